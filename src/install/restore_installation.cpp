#include "install/restore_installation.h"

#include "common/busy_state.h"
#include "common/dialogs.h"
#include "install/install_observer.h"

#include <QCoreApplication>

Restore::Outcome RestoreInstallation(const QString& recordPath, FileOps& ops, InstallView& view, BusyState& busy,
                                     Dialogs& dialogs, const Restore::RunOptions& options)
{
    using Kind = Restore::Outcome::Kind;
    busy.setBusy(true);
    view.setUpdateButtonsEnabled(false);
    view.clearLines();
    view.showLog();
    const Restore::Outcome outcome = Restore::run(recordPath, ops, view, options);
    QString message;
    switch (outcome.kind) {
    case Kind::Restored:
        view.setCaption(QCoreApplication::translate("RestoreInstallation", "Restore ready"));
        view.addLine(QCoreApplication::translate("RestoreInstallation", "RESTORE READY"));
        break;
    case Kind::Refused:
        view.setCaption(QCoreApplication::translate("RestoreInstallation", "Restore refused"));
        view.addLine(QCoreApplication::translate("RestoreInstallation", "refused, nothing was changed:"));
        for (const QString& problem : outcome.problems)
            view.addLine(problem);
        view.addLine(QString());
        view.addLine(QCoreApplication::translate("RestoreInstallation", "RESTORE REFUSED"));
        message = QCoreApplication::translate("RestoreInstallation",
                                              "This installation cannot be restored; nothing was changed.\r\n\r\n%1")
                      .arg(Restore::messageText(outcome.problems));
        break;
    case Kind::Failed:
        view.addLine(QCoreApplication::translate("RestoreInstallation", "stopped: %1").arg(outcome.problems.value(0)));
        view.addLine(QString());
        view.addLine(QCoreApplication::translate("RestoreInstallation", "RESTORE STOPPED"));
        message = QCoreApplication::translate("RestoreInstallation",
                                              "The restore stopped:\r\n%1\r\n\r\nRestore it again to carry on.")
                      .arg(outcome.problems.value(0));
        break;
    }
    view.selectLastLine();
    view.setUpdateButtonsEnabled(true);
    busy.setBusy(false);
    if (!message.isEmpty())
        dialogs.message(mainCaption(), message,
                        outcome.kind == Kind::Refused ? MessageIcon::Exclamation : MessageIcon::Critical);
    return outcome;
}

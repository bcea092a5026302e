#include "install/restore_installation.h"

#include "common/busy_state.h"
#include "common/dialogs.h"
#include "install/install_observer.h"

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
        view.setCaption(QStringLiteral("Restore ready"));
        view.addLine(QStringLiteral("RESTORE READY"));
        break;
    case Kind::Refused:
        view.setCaption(QStringLiteral("Restore refused"));
        view.addLine(QStringLiteral("refused, nothing was changed:"));
        for (const QString& problem : outcome.problems)
            view.addLine(problem);
        view.addLine(QString());
        view.addLine(QStringLiteral("RESTORE REFUSED"));
        message = QStringLiteral("This installation cannot be restored; nothing was changed.\r\n\r\n")
                  + Restore::messageText(outcome.problems);
        break;
    case Kind::Failed:
        view.addLine(QStringLiteral("stopped: ") + outcome.problems.value(0));
        view.addLine(QString());
        view.addLine(QStringLiteral("RESTORE STOPPED"));
        message = QStringLiteral("The restore stopped:\r\n") + outcome.problems.value(0)
                  + QStringLiteral("\r\n\r\nRestore it again to carry on.");
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

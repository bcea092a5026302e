#include "coding/save_manipulation_file.h"

#include "coding/coding_history.h"
#include "coding/coding_log.h"
#include "coding/manipulation_lines.h"
#include "coding/save_summary.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/logging.h"
#include "common/text_file.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"

#include <QCoreApplication>
#include <QScopeGuard>

namespace {

void exclaim(Dialogs& dialogs, const QString& text)
{
    dialogs.message(mainCaption(), text, MessageIcon::Exclamation);
}

void fail(Dialogs& dialogs, const QString& text)
{
    dialogs.message(mainCaption(), text, MessageIcon::Critical);
}

bool ask(Dialogs& dialogs, const QString& question)
{
    return dialogs.message(mainCaption(), question, MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes;
}

// The guard's answer when there is nothing to save, or an empty text.
QString refusal(const TraceSession& session)
{
    if (session.ChangeCount >= 1 && !session.ValuesIncomplete)
        return {};
    if (!session.treeVisible())
        return session.listItems().value(0) == u"Changed values:"
                   ? QCoreApplication::translate("SaveManipulationFile", "Already saved MAN-file.")
                   : QCoreApplication::translate("SaveManipulationFile", "Load TRC-file first.");
    if (!session.ValuesIncomplete)
        return QCoreApplication::translate("SaveManipulationFile", "There is nothing changed.");
    return QCoreApplication::translate("SaveManipulationFile",
                                       "Errors found in list.\r\nSelect the right chassis and module.");
}

void callSave(const ManipulationSaveCalls& calls, int mode)
{
    if (calls.saveFileAs)
        calls.saveFileAs(mode);
}

void offerBackups(const TraceSession& session, Dialogs& dialogs, const ManipulationSaveCalls& calls)
{
    const QString manQuestion =
        QCoreApplication::translate("SaveManipulationFile", "Do you want to backup the MAN-file?");
    // Only NCS Expert's own trace has a copy worth keeping next to the MAN file.
    if (session.DefaultTraceLoaded) {
        if (ask(dialogs, QCoreApplication::translate("SaveManipulationFile",
                                                     "MAN-file is saved.\r\nDo you want to backup the TRC-file?")))
            callSave(calls, 1);
        if (ask(dialogs, manQuestion))
            callSave(calls, 2);
    } else if (ask(dialogs,
                   QCoreApplication::translate("SaveManipulationFile", "MAN-file is saved.\r\n%1").arg(manQuestion))) {
        callSave(calls, 2);
    }
}

} // namespace

void SaveManipulationFile(const ManipulationSaveInputs& inputs, TraceSession& session, Dialogs& dialogs,
                          const Clock& clock, QString& saveTag, const ManipulationSaveCalls& calls)
{
    if (const QString refused = refusal(session); !refused.isEmpty()) {
        exclaim(dialogs, refused);
        return;
    }
    if (calls.confirmValues && !calls.confirmValues())
        return;

    if (session.Translated && calls.toggleTranslation)
        calls.toggleTranslation();
    // Translated names must never reach the file NCS Expert codes into the car.
    if (session.Translated) {
        fail(dialogs,
             QCoreApplication::translate("SaveManipulationFile",
                                         "The translation could not be switched off.\r\nThe MAN-file is not written."));
        return;
    }

    const QStringList lines = BuildManipulationLines(session.tree());
    if (lines.size() != session.TraceLines.size()) {
        exclaim(dialogs,
                QCoreApplication::translate("SaveManipulationFile",
                                            "Items in list do not match with TRC-file.\r\nCheck and run again."));
        return;
    }

    if (const Status written = TextFile::writeLinesAtomically(manipulationFilePath(inputs.folderNCS), lines);
        !written) {
        qCInfo(lcCoding) << "MAN file not written:" << written.error();
        fail(dialogs, written.error());
        return;
    }
    qCDebug(lcCoding) << "wrote" << manipulationFilePath(inputs.folderNCS) << "-" << lines.size() << "lines,"
                      << session.ChangeCount << "changed functions";
    saveTag.clear();

    const Status kept = inputs.historyFolder.isEmpty()
                            ? Status()
                            : CodingHistory::KeepSnapshot(inputs.historyFolder, clock.now(), inputs.chassis,
                                                          inputs.module, session.TraceLines, lines);
    const auto tellHistory = qScopeGuard([&] {
        if (!kept)
            exclaim(dialogs,
                    QCoreApplication::translate("SaveManipulationFile",
                                                "MAN-file is saved, but the coding history could not keep it:\r\n%1")
                        .arg(kept.error()));
    });

    offerBackups(session, dialogs, calls);
    session.ChangeCount = 0;

    // The list goes into the coding log and can be exported: it stays English.
    session.setListItems(BuildSaveSummary(session.TraceLines, lines));
    session.showList();

    const QStringList entry =
        BuildCodingLogEntry({clock.now(), inputs.chassis, inputs.module, session.listItems(), saveTag});
    qCDebug(lcCoding) << "coding log entry of" << entry.size() << "lines to" << codingLogPath(inputs.programFolder);
    if (const Status logged = AppendCodingLog(codingLogPath(inputs.programFolder), entry); !logged) {
        fail(dialogs, logged.error());
        return;
    }

    for (const QString& step : ncsExpertSteps())
        session.addListItem(step);
}

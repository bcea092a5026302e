#include "install/install_runs.h"

#include "common/busy_state.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/logging.h"
#include "common/paths.h"
#include "install/file_ops.h"
#include "install/folder_sync.h"
#include "install/install_lock.h"
#include "install/install_observer.h"
#include "install/install_state.h"
#include "install/restore_record.h"
#include "install/sgidc_file.h"
#include "settings/tool_folders.h"

#include <QCoreApplication>

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// Passes everything on and remembers the caption, which names the step that failed.
class CaptionTracker final : public InstallObserver {
public:
    explicit CaptionTracker(InstallObserver& inner) : m_inner(inner) {}
    void setCaption(const QString& caption) override
    {
        m_caption = caption;
        m_inner.setCaption(caption);
    }
    void addLine(const QString& line) override { m_inner.addLine(line); }
    void selectLastLine() override { m_inner.selectLastLine(); }
    void setPercentage(int percent) override { m_inner.setPercentage(percent); }
    void processPendingEvents() override { m_inner.processPendingEvents(); }
    const QString& caption() const { return m_caption; }

private:
    InstallObserver& m_inner;
    QString m_caption;
};

void startRun(InstallContext& c)
{
    c.busy.setBusy(true);
    c.view.setUpdateButtonsEnabled(false);
    c.state.UpdateCount = 0;
    c.view.clearLines();
    c.view.showLog();
}

void closeRun(InstallContext& c)
{
    c.view.setUpdateButtonsEnabled(true);
    c.busy.setBusy(false);
    c.view.addLine(QString());
    c.view.addLine(QCoreApplication::translate("InstallRuns", "UPDATE READY"));
    c.view.selectLastLine();
}

// The record of a run with backups: every change is written into it before it is made.
using Record = std::unique_ptr<RestoreRecordWriter>;

// The record names the tool folders the run changes, as they are when it starts.
Result<Record> startRecord(InstallContext& c, MessageAnswer backup, const QString& kind, const QStringList& tools)
{
    if (backup != MessageAnswer::Yes || c.recordsFolder.isEmpty())
        return Record();
    auto record = RestoreRecordWriter::create(c.ops, c.recordsFolder, kind, c.clock.now(), c.state.FolderSPdaten);
    for (const QString& tool : tools)
        if (Status named = record ? record.value()->tool(tool) : Status(); !named)
            return Result<Record>::failure(named.error());
    return record;
}

QString endRecord(InstallContext& c, const Record& record, const QString& failure)
{
    if (!record)
        return {};
    // A record that cannot be closed reads as a run that stopped, which can still be
    // restored as far as it goes.
    static_cast<void>(record->end(c.state.UpdateCount, failure));
    return record->path();
}

InstallRunResult failed(InstallContext& c, const CaptionTracker& tracker, const Status& status,
                        const Record& record = {})
{
    closeRun(c);
    return {InstallRunResult::Outcome::Failed, tracker.caption(), status.error(), endRecord(c, record, status.error())};
}

// Shows the message for a missing folder and says whether it was missing.
bool missing(InstallContext& c, const QString& folder, const QString& secondLine)
{
    if (c.ops.folderExists(folder))
        return false;
    c.dialogs.message(mainCaption(),
                      QCoreApplication::translate("InstallRuns", "%1 not found.").arg(folder) + kLineBreak + secondLine,
                      MessageIcon::Critical);
    return true;
}

QString sub(const QString& folder, const QString& tail)
{
    return Paths::join(folder, tail);
}

InstallRunResult updateSpDaten(InstallContext& c)
{
    const MessageAnswer backup = c.dialogs.message(
        mainCaption(), QCoreApplication::translate("InstallRuns", "Do you want to backup the existing files?"),
        MessageIcon::Question, MessageButtons::YesNoCancel);
    if (backup == MessageAnswer::Cancel)
        return {};
    const QString chassis = chassisOf(c.state.FolderSPdaten);
    const ToolFolders& f = c.folders;
    const QString setFolders = QCoreApplication::translate("InstallRuns", "Set your default folders.");
    if (missing(c, sub(f.FolderEDIABAS, QStringLiteral("\\ECU")), setFolders)
        || missing(c, sub(f.FolderNCS, QStringLiteral("\\DATEN")), setFolders)
        || missing(c, sub(f.FolderNCS, QStringLiteral("\\SGDAT")), setFolders)
        || missing(c, sub(f.FolderNFS, QStringLiteral("\\SGDAT")), setFolders))
        return {};

    CaptionTracker tracker(c.view);
    const QString chassisFolder = sub(f.FolderNCS, QStringLiteral("\\DATEN\\") + chassis);
    Record record;
    QString recordError;
    bool begun = false;
    const auto begin = [&]() -> bool {
        begun = true;
        auto started = startRecord(c, backup, QStringLiteral("sp-daten"), {f.FolderEDIABAS, f.FolderNCS, f.FolderNFS});
        if (!started) {
            recordError = started.error();
            return false;
        }
        record = std::move(started.value());
        return true;
    };
    if (!c.ops.folderExists(chassisFolder)) {
        const MessageAnswer create =
            c.dialogs.message(mainCaption(),
                              QCoreApplication::translate(
                                  "InstallRuns", "%1 contains no folder %2.\r\nDo you want to create this folder?")
                                  .arg(sub(f.FolderNCS, QStringLiteral("\\DATEN")), chassis),
                              MessageIcon::Exclamation, MessageButtons::YesNo);
        if (create != MessageAnswer::Yes)
            return {};
        Status made = begin() ? c.ops.makeFolder(chassisFolder) : Status::failure(recordError);
        if (made && record)
            made = record->folder(chassisFolder);
        if (!made) {
            closeRun(c);
            return {InstallRunResult::Outcome::Failed,
                    QCoreApplication::translate("InstallRuns", "Create %1").arg(chassisFolder), made.error(),
                    endRecord(c, record, made.error())};
        }
    }
    if (!begun && !begin()) {
        closeRun(c);
        return {InstallRunResult::Outcome::Failed,
                QCoreApplication::translate("InstallRuns", "Restore record"),
                recordError,
                {}};
    }

    startRun(c);
    FolderSync sync(c.ops, tracker, c.clock, c.state.UpdateCount);
    sync.setRecord(record.get());
    // Paths are built right before each step from the current folders.
    const auto sp = [&c](const QString& tail) { return sub(c.state.FolderSPdaten, tail); };
    const auto daten = [&c, &chassis] { return sub(c.folders.FolderNCS, QStringLiteral("\\DATEN\\") + chassis); };
    Status done = sync.UpdateFiles(sp(QStringLiteral("\\ECU")), sub(f.FolderEDIABAS, QStringLiteral("\\ECU")), backup);
    if (done)
        done = sync.UpdateFiles(sp(QStringLiteral("\\SGDAT")), sub(f.FolderNFS, QStringLiteral("\\SGDAT")), backup);
    if (done)
        done = sync.UpdateFiles(sp(QStringLiteral("\\SGDAT")), sub(f.FolderNCS, QStringLiteral("\\SGDAT")), backup);
    if (done)
        done = sync.UpdateFiles(sp(QStringLiteral("\\DATEN")), daten(), backup);
    if (done)
        done = sync.UpdateDatenFiles(daten(), sub(f.FolderNCS, QStringLiteral("\\DATEN")), chassis);
    if (!done)
        return failed(c, tracker, done, record);

    tracker.setCaption(QCoreApplication::translate("InstallRuns", "Update SP-daten ready [%1 files updated]")
                           .arg(c.state.UpdateCount));
    closeRun(c);
    return {InstallRunResult::Outcome::Ready, {}, {}, endRecord(c, record, {})};
}

// The first family of the data set that is a link (a link would bring in whatever it
// points to), or an empty path.
Result<QString> linkedFamily(FileOps& ops, const QString& data)
{
    const auto entries = ops.list(data);
    if (!entries)
        return Result<QString>::failure(entries.error());
    for (const FileOps::Entry& entry : entries.value()) {
        const QString path = sub(data, QStringLiteral("\\") + entry.name);
        if (entry.kind == FileOps::Kind::Link && ops.folderExists(path))
            return path;
    }
    return QString();
}

InstallRunResult updateWinKfp(InstallContext& c)
{
    const MessageAnswer backup = c.dialogs.message(
        mainCaption(), QCoreApplication::translate("InstallRuns", "Do you want to backup the existing assembly line?"),
        MessageIcon::Question, MessageButtons::YesNoCancel);
    if (backup == MessageAnswer::Cancel)
        return {};
    if (missing(c, sub(c.folders.FolderNFS, QStringLiteral("\\DATA")),
                QCoreApplication::translate("InstallRuns", "Set your default folders."))
        || missing(c, sub(c.state.FolderSPdaten, QStringLiteral("\\DATA")),
                   QCoreApplication::translate("InstallRuns", "Update WinKFP not possible.")))
        return {};
    // Refused before anything changes.
    const Result<QString> linked = linkedFamily(c.ops, sub(c.state.FolderSPdaten, QStringLiteral("\\DATA")));
    if (linked && !linked.value().isEmpty()) {
        c.dialogs.message(
            mainCaption(),
            QCoreApplication::translate("InstallRuns", "%1 is a symbolic link.\r\nUpdate WinKFP not possible.")
                .arg(linked.value()),
            MessageIcon::Critical);
        return {};
    }

    CaptionTracker tracker(c.view);
    auto started = startRecord(c, backup, QStringLiteral("winkfp"), {c.folders.FolderNFS});
    startRun(c);
    if (!started)
        return failed(c, tracker, Status::failure(started.error()));
    const Record record = std::move(started.value());
    if (!linked)
        return failed(c, tracker, Status::failure(linked.error()), record);
    FolderSync sync(c.ops, tracker, c.clock, c.state.UpdateCount);
    sync.setRecord(record.get());
    const auto data = [&c] { return sub(c.folders.FolderNFS, QStringLiteral("\\DATA")); };
    Status done = sync.ReplaceFolders(sub(c.state.FolderSPdaten, QStringLiteral("\\DATA")), data(), backup);
    if (done)
        done = EditSgidcFile(c.ops, tracker, sub(data(), QStringLiteral("\\GDATEN")), record.get());
    if (done)
        done = sync.DeleteAtsFiles(data());
    if (!done)
        return failed(c, tracker, done, record);

    tracker.setCaption(QCoreApplication::translate("InstallRuns", "Update WinKFP ready [%1 folders updated]")
                           .arg(c.state.UpdateCount));
    closeRun(c);
    return {InstallRunResult::Outcome::Ready, {}, {}, endRecord(c, record, {})};
}

} // namespace

QString chassisOf(const QString& folderSPdaten)
{
    return folderSPdaten.right(3).toUpper();
}

bool cmdFolder_Click(InstallContext& c)
{
    if (c.closeSearchWindow)
        c.closeSearchWindow();
    QString folder =
        c.dialogs.browseForFolder(QCoreApplication::translate("InstallRuns", "Select SP-daten source folder"));
    if (folder.isEmpty())
        return false;
    folder = Paths::normalizeFolder(folder);
    for (const char* tail : {"\\ECU", "\\SGDAT", "\\DATEN"}) {
        if (!c.ops.folderExists(sub(folder, QString::fromLatin1(tail)))) {
            c.dialogs.message(
                mainCaption(),
                QCoreApplication::translate("InstallRuns", "%1 is not a valid SP-daten folder.").arg(folder),
                MessageIcon::Exclamation);
            return false;
        }
    }
    c.state.FolderSPdaten = folder;
    c.view.setSourceFolder(folder);
    return true;
}

InstallRunResult cmdUpdate_Click(InstallContext& c, int index)
{
    if (c.closeSearchWindow)
        c.closeSearchWindow();
    if (c.state.FolderSPdaten.isEmpty()) {
        c.dialogs.message(mainCaption(), QCoreApplication::translate("InstallRuns", "Select SP-daten folder first."),
                          MessageIcon::Exclamation);
        return {};
    }
    // Held until the run has ended: a second run, here or on the command line, is refused.
    InstallLock lock(c.recordsFolder);
    if (const QString held = lock.take(); !held.isEmpty()) {
        qCInfo(lcInstall) << "refused:" << held;
        c.dialogs.message(mainCaption(), held, MessageIcon::Exclamation);
        return {};
    }
    if (index != 0 && index != 1)
        return {};
    qCDebug(lcInstall) << (index == 0 ? "Update SP-daten" : "Update WinKFP") << "from" << c.state.FolderSPdaten
                       << "into" << c.folders.FolderNCS << c.folders.FolderEDIABAS << c.folders.FolderNFS;
    const InstallRunResult result = index == 0 ? updateSpDaten(c) : updateWinKfp(c);
    qCDebug(lcInstall) << "run ended:" << int(result.outcome) << result.failedStep << result.error << "record"
                       << result.restoreRecord;
    return result;
}

#pragma once

#include "install/restore_record.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

class FileOps;
class InstallObserver;

// Undoing an installation from its restore record.
namespace Restore {

// A record as the window and the command line list it: what the record itself says,
// read without touching any file it names.
struct RecordSummary {
    QString path;
    QString kind;
    QDateTime time;
    QString source;
    QStringList toolFolders;
    qint32 count = -1; // as the installation reported it; -1 for a run that did not end
    bool ended = false;
    QString failure;
    bool restored = false;
    QString unreadable; // why the record cannot be read; empty when it can
};

// The folder that holds the records, inside the per-user data folder.
QString recordsFolder(const QString& perUserFolder);

// Every record in folder, newest first, from the records alone.
QList<RecordSummary> list(const QString& folder, FileOps& ops);

// "Update SP-daten", "Update WinKFP".
QString kindText(const QString& kind);
// What the run reported: "16 files updated", "3 folders updated"; "stopped" for a run
// that did not end.
QString countText(const RecordSummary& record);
// "restorable", "already restored", "stopped before it ended", or why it cannot be read.
QString statusText(const RecordSummary& record);
// The record a window selects first: the newest that can be restored, which is the next
// to undo; else the newest.
qsizetype firstChoice(const QList<RecordSummary>& records);

// Reasons as a message shows them: the first few, one per line, then how many more.
QString messageText(const QStringList& problems);

// How a file compared with what the record says of it, as the check saw it; the restore
// reads no file the check has read and that has not changed since.
struct SeenFile {
    qint64 size = 0;
    qint64 modified = 0;
    QByteArray hash;
};

struct CheckControl {
    // Called after each change looked at, from whatever thread runs the check.
    std::function<void(qsizetype done, qsizetype total)> progress;
    const std::atomic<bool>* cancel = nullptr;
};

struct CheckResult {
    QString recordPath;
    QByteArray recordBytes;
    bool cancelled = false;
    // Everything that stands in the way, one line per file: a path outside its tool
    // folder, a file changed since the run or that cannot be read, a backup missing or
    // changed, a file added where the run created a folder.
    QStringList problems;
    QHash<QString, SeenFile> seen;
};

// Reads the record and checks it against the tool folders; reads only.
Result<CheckResult> check(const QString& recordPath, FileOps& ops, const CheckControl& control = {});

struct Outcome {
    enum class Kind { Restored, Refused, Failed };
    Kind kind = Kind::Failed;
    // Refused: the reasons, one per file. Failed: the file system's error.
    QStringList problems;
};

struct RunOptions {
    // Also restore a record whose run was stopped before it ended, as far as it goes.
    bool stoppedRun = false;
    // A check of the same record made before (by the window), whose readings are reused
    // for every file that has not changed since.
    const CheckResult* checked = nullptr;
};

// Takes the run lock, checks the record, then undoes its changes newest first, marking
// each in the record as it is undone, so that a restore that stopped carries on where it
// stopped. Reports to the observer as an installation does.
Outcome run(const QString& recordPath, FileOps& ops, InstallObserver& observer, const RunOptions& options = {});

} // namespace Restore

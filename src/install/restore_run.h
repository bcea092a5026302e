#pragma once

#include "install/restore_record.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class FileOps;
class InstallObserver;

// Undoing an installation from its restore record.
namespace Restore {

// The records of folder\installs... as the window and the command line list them.
struct RecordSummary {
    QString path;
    QString kind;
    QDateTime time;
    QString source;
    qsizetype changes = 0;
    // Empty when the record may be restored; otherwise why not (the first reason, and how
    // many more there are).
    QString refusal;
    // Every reason, one per file.
    QStringList problems;
};

// The folder that holds the records, inside the per-user data folder.
QString recordsFolder(const QString& perUserFolder);

// Every record in folder, newest first. With checkWith, a record that was not restored
// yet is also checked as a restore would check it, which reads every file it left.
QList<RecordSummary> list(const QString& folder, FileOps* checkWith = nullptr);

// Everything that stands in the way of undoing the record's changes that are not undone
// yet, one line per file: a file changed since the run, a backup the undo needs that is
// missing or changed, a file added where the run created a folder. Reads only.
QStringList check(const RestoreRecord& record, FileOps& ops);

// Reasons as a message shows them: the first few, one per line, then how many more.
QString messageText(const QStringList& problems);

struct Outcome {
    enum class Kind { Restored, Refused, Failed };
    Kind kind = Kind::Failed;
    // Refused: the reasons, one per file. Failed: the file system's error.
    QStringList problems;
};

// Checks the record, then undoes its changes newest first, marking each in the record as
// it is undone, so that a restore that stopped carries on where it stopped. Reports to
// the observer as an installation does.
Outcome run(const QString& recordPath, FileOps& ops, InstallObserver& observer);

} // namespace Restore

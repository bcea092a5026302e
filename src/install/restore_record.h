#pragma once

#include "common/result.h"
#include "install/file_ops.h"
#include "install/fingerprint.h"
#include "install/record_line.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

// One change an installation made, in the order it made it. Each change of the tool
// folders is written down before it is made, so a record left by a crash also names the
// change that was under way.
struct RecordedChange {
    enum class Kind {
        Folder,   // path: a folder the run created
        Kept,     // path: a file the run copied to other before changing it
        Replaced, // path: overwritten; its previous bytes are in other (a Kept copy)
        New,      // path: a file the run created
        Deleted,  // path: removed; its bytes are in other (a Kept copy)
        Moved,    // path: a folder moved to other
        Copied,   // path: a folder the run copied in whole
        Leftover, // path: a partial copy of an earlier run that this run deleted
    };
    Kind kind;
    QString path;
    QString other;
    // The tool folders (indexes into RestoreRecord::roots) the two paths lie in.
    int root = -1;
    int otherRoot = -1;
    qsizetype line = 0; // where the record names it, counted from 0
};

// A restore record as read back. Appended to line by line while the run and a restore go
// on. Every path lies inside one of the record's tool folders, named once in the record;
// a path that would climb out of its folder refuses the whole record.
struct RestoreRecord {
    // 1: written before records named their tool folders and checked their lines.
    int form = 2;
    HashKind hash = HashKind::Xxh128;
    QString kind; // "sp-daten" or "winkfp"
    QDateTime time;
    QString source;
    // The tool folders, absolute: canonical as the run resolved them (form 2), or the
    // folders the changes lie in (form 1).
    QStringList roots;
    QList<RecordedChange> changes;
    // The copy's fingerprint, by the copy's path; missing for a copy whose run stopped
    // before its fingerprint was written.
    QHash<QString, Fingerprint> kept;
    QHash<QString, Fingerprint> left; // what the run left, by path; a whole copied folder: size -2
    QSet<qsizetype> undone;           // indexes into changes
    QStringList copied;               // the folders the run copied in whole
    bool ended = false;
    qint32 count = -1; // what the run reported: files (sp-daten) or folders (winkfp) updated
    QString failure;   // why the run stopped, when it did
    bool restored = false;
    // Where appending carries on: the check of the last whole line, and whether a torn
    // line follows it.
    quint32 lastCheck = 0;
    bool tornTail = false;

    static Result<RestoreRecord> parse(const QByteArray& bytes, const QString& recordPath);
    static Result<RestoreRecord> read(FileOps& ops, const QString& path);
};

// What the window and the command line list, read from the record's first and last lines
// alone, without checking it or any file it names.
struct RecordHeading {
    QString kind;
    QDateTime time;
    QString source;
    QStringList roots;
    bool ended = false;
    qint32 count = -1;
    QString failure;
    bool restored = false;

    static Result<RecordHeading> read(const QByteArray& bytes, const QString& recordPath);
};

// Appends to a record. A line naming a change is handed to the system before the change is
// made; a line saying what a finished copy holds goes with the line after it. A line that
// could not be written whole is followed by a fresh one.
class RestoreRecordWriter {
public:
    // A new record in folder (created when missing), named after the run's time and kind.
    static Result<std::unique_ptr<RestoreRecordWriter>> create(FileOps& ops, const QString& folder, const QString& kind,
                                                               const QDateTime& time, const QString& source);
    // Carries on writing a record read back (a restore marks its progress in it).
    static Result<std::unique_ptr<RestoreRecordWriter>> append(FileOps& ops, const QString& path,
                                                               const RestoreRecord& record);

    ~RestoreRecordWriter();

    const QString& path() const { return m_path; }

    // Names a tool folder, once, as the absolute path with its links resolved.
    Status tool(const QString& folder);
    Status folder(const QString& path);
    Status replaced(const QString& path, const QString& copy);
    Status created(const QString& path);
    Status deleted(const QString& path, const QString& copy);
    Status moved(const QString& from, const QString& to);
    Status copied(const QString& folder);
    Status leftover(const QString& path);
    // A file as the run left it, once it is written; the line goes out with the next one.
    Status left(const QString& path, const Fingerprint& fingerprint);
    // A file as the run is about to leave it, written down at once, before the file is.
    Status leaving(const QString& path, const Fingerprint& fingerprint);
    // The whole copy of a folder is done (its files have their own lines).
    Status leftFolder(const QString& path);
    // original is about to be copied to copy; the copy's fingerprint follows as a left line.
    Status kept(const QString& original, const QString& copy);
    // Copies original into the record's own folder before the run changes it.
    Result<QString> keepAside(const QString& original);
    Status end(qint32 count, const QString& failure);
    Status undone(qsizetype index);
    Status restored();

private:
    struct Root {
        QString given;
        QString canonical;
    };
    RestoreRecordWriter(FileOps& ops, const QString& path, int form);
    Status line(const QList<QByteArray>& fields);
    enum class Timing { Now, WithNext };
    // Appends the line built in m_line, now or together with the next one.
    Status write(Timing timing);
    Status flush();
    // Adds a path to m_line as its tool folder's number and the path inside it.
    Status place(const QString& path);
    Status note(const char* word, std::initializer_list<QString> paths, const Fingerprint* fingerprint = nullptr,
                Timing timing = Timing::Now);

    FileOps& m_ops;
    QString m_path;
    int m_form;
    std::unique_ptr<FileOps::AppendFile> m_file;
    QList<Root> m_roots;
    RecordLine m_line;
    QByteArray m_unwritten;      // whole lines not yet handed to the system
    quint32 m_unwrittenFrom = 0; // the check of the last line before them
    quint32 m_check = 0;
    bool m_torn = false;
    int m_asideCount = 0;
};

namespace RestoreFiles {
// Every file and link below folder (links not followed), as folder + separator + name.
Result<QStringList> below(FileOps& ops, const QString& folder);
} // namespace RestoreFiles

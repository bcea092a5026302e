#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <memory>

class FileOps;

// What a file looked like: size, last-modified time in milliseconds and a SHA-256 of its
// bytes. A link is fingerprinted by where it points (size -1).
struct Fingerprint {
    qint64 size = 0;
    qint64 modified = 0;
    QByteArray hash;

    static Fingerprint of(const QString& path);
    bool operator==(const Fingerprint&) const = default;
};

// One change an installation made, in the order it made it. Each is written down before
// it is made, so a record left by a crash also names the change that was under way.
struct RecordedChange {
    enum class Kind {
        Folder,   // path: a folder the run created
        Kept,     // path: a file the run copied to other before changing it
        Replaced, // path: overwritten; its previous bytes are in other (a Kept copy)
        New,      // path: a file the run created
        Deleted,  // path: removed; its bytes are in other (a Kept copy)
        Moved,    // path: a folder moved to other
        Copied,   // path: a folder the run copied in whole
    };
    Kind kind;
    QString path;
    QString other;
};

// A restore record as read back. Appended to line by line while the run and a restore go
// on; a torn last line (no line end) is left out.
struct RestoreRecord {
    QString kind; // "sp-daten" or "winkfp"
    QDateTime time;
    QString source;
    QList<RecordedChange> changes;
    QHash<QString, Fingerprint> kept; // the original's fingerprint, by the copy's path
    QHash<QString, Fingerprint> left; // what the run left, by path
    QSet<qsizetype> undone;           // indexes into changes
    bool ended = false;
    QString failure; // why the run stopped, when it did
    bool restored = false;

    static Result<RestoreRecord> parse(const QByteArray& bytes);
    static Result<RestoreRecord> read(const QString& path);
};

// Appends to a record, one line at a time, each handed to the system as it is written.
class RestoreRecordWriter {
public:
    // A new record in folder (created when missing), named after the run's time and kind.
    static Result<std::unique_ptr<RestoreRecordWriter>> create(FileOps& ops, const QString& folder, const QString& kind,
                                                               const QDateTime& time, const QString& source);
    // Carries on writing an existing record (a restore marks its progress in it).
    static Result<std::unique_ptr<RestoreRecordWriter>> append(FileOps& ops, const QString& path);

    const QString& path() const { return m_path; }

    Status folder(const QString& path);
    Status replaced(const QString& path, const QString& copy);
    Status created(const QString& path);
    Status deleted(const QString& path, const QString& copy);
    Status moved(const QString& from, const QString& to);
    Status copied(const QString& folder);
    // Records the file (or, for a folder, every file below it) as the run leaves it.
    Status left(const QString& path);
    // Records that original is about to be copied to copy; the caller makes the copy.
    Status kept(const QString& original, const QString& copy);
    // Copies original into the record's own folder before the run changes it.
    Result<QString> keepAside(const QString& original);
    Status end(const QString& failure);
    Status undone(qsizetype index);
    Status restored();

private:
    RestoreRecordWriter(FileOps& ops, const QString& path);
    Status line(const QList<QByteArray>& fields);

    FileOps& m_ops;
    QString m_path;
    QFile m_file;
    int m_asideCount = 0;
};

namespace RestoreFiles {
// Every file and link below folder (not following links), as folder + separator + name.
QStringList below(const QString& folder);
} // namespace RestoreFiles

#pragma once

#include "common/result.h"
#include "install/fingerprint.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

// The file-system operations of the data installation and its restore, behind an interface
// so that tests can make any one of them fail. Every operation that returns a Status or a
// Result counts as one file operation; the three existence tests cannot fail (an error
// reads as "no").
//
// Symbolic links are never followed below a folder that is being listed: they are
// reported as links, and callers copy or remove the link itself. Anything that is neither
// a file, a folder nor a link (a FIFO, a device) is never opened.
class FileOps {
public:
    enum class Kind { File, Folder, Link, Special };
    struct Entry {
        QString name;
        Kind kind;
    };
    // The entry itself, links not followed; modified in nanoseconds since the epoch.
    struct Stat {
        Kind kind = Kind::File;
        qint64 size = 0;
        qint64 modified = 0;
    };
    struct CopyOptions {
        // Filled with the fingerprint of the bytes written, hashed as they pass.
        Fingerprint* written = nullptr;
        HashKind hash = HashKind::Xxh128;
        // When set, a copy whose bytes hash otherwise is dropped before it replaces target.
        QByteArray expectedHash = {};
        // The caller saw nothing at target. Where the system can, the copy is then made
        // without a name and named only once complete: a killed run leaves nothing behind,
        // and a new file costs one entry in its folder instead of a partial one renamed.
        bool targetAbsent = false;
    };
    // A file that lines are added to, each handed to the system as it is written.
    class AppendFile {
    public:
        virtual ~AppendFile() = default;
        virtual Status append(const QByteArray& bytes) = 0;
    };

    virtual ~FileOps() = default;

    // A folder, or a link to one (tool folders are often links into a Wine prefix).
    virtual bool folderExists(const QString& path) = 0;
    // A file, or a link to one.
    virtual bool fileExists(const QString& path) = 0;
    // A symbolic link, wherever it points.
    virtual bool isLink(const QString& path) = 0;

    // The entries lying directly inside folder, in the order the file system lists them.
    virtual Result<QList<Entry>> list(const QString& folder) = 0;

    // Last-modified time in whole seconds since the epoch. Whole seconds are what every
    // file system the tools live on can store, so a copy always compares equal to its
    // source, whatever the resolution of either side.
    virtual Result<qint64> modifiedTime(const QString& file) = 0;

    virtual Result<Stat> stat(const QString& path) = 0;
    // The hash of a regular file's bytes (a link to one is followed).
    virtual Result<QByteArray> hashFile(const QString& path, HashKind kind) = 0;
    // The absolute path with every link resolved; fails when path does not exist.
    virtual Result<QString> canonicalPath(const QString& path) = 0;

    // Fails when something already exists at path.
    virtual Status makeFolder(const QString& path) = 0;
    // Makes the folder and any missing folder above it.
    virtual Status makePath(const QString& path) = 0;

    // Copies and links are first made under the target's name + this suffix, then renamed
    // into place; a run killed in between leaves such a file behind.
    static QString partialSuffix() { return QStringLiteral(".quillon~"); }

    // Replaces target in one step (a failure leaves the previous target as it was); the
    // copy keeps the source's last-modified time. Where no file can be made beside the
    // target but the target may be written, it is written in place (never when an
    // expected hash is given). Only a regular file (or a link to one) is copied.
    virtual Status copyFile(const QString& source, const QString& target, const CopyOptions& options) = 0;
    Status copyFile(const QString& source, const QString& target) { return copyFile(source, target, CopyOptions()); }

    // Recreates the link at source as a link at target, pointing where it points.
    virtual Status copyLink(const QString& source, const QString& target) = 0;

    // Renames a folder; fails when target exists.
    virtual Status moveFolder(const QString& source, const QString& target) = 0;

    // Removes a file or a link (never what it points to), also when marked read-only.
    virtual Status removeFile(const QString& path) = 0;

    // Lets the entries of a folder marked read-only be deleted; no-op for others.
    virtual Status allowChanges(const QString& folder) = 0;

    // Removes an empty folder, also when marked read-only.
    virtual Status removeFolder(const QString& path) = 0;

    // A regular file's bytes (a link to one is followed).
    virtual Result<QByteArray> readFile(const QString& path) = 0;
    // Replaces the file in one step: a failure leaves the previous contents.
    virtual Status writeFileAtomically(const QString& path, const QByteArray& bytes) = 0;
    // Opens a file to add lines at its end; with create, a new file (fails when one exists).
    virtual Result<std::unique_ptr<AppendFile>> openAppend(const QString& path, bool create) = 0;
};

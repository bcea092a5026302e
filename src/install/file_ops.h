#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The file-system operations of the data installation, behind an interface so that tests
// can make any one of them fail. Every operation that returns a Status or a Result counts
// as one file operation; the two existence tests cannot fail (an error reads as "no").
//
// Symbolic links are never followed below a folder that is being listed: they are
// reported as links, and callers copy or remove the link itself.
class FileOps {
public:
    enum class Kind { File, Folder, Link };
    struct Entry {
        QString name;
        Kind kind;
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

    // Fails when something already exists at path.
    virtual Status makeFolder(const QString& path) = 0;

    // Copies and links are first made under the target's name + this suffix, then renamed
    // into place; a run killed in between leaves such a file behind.
    static QString partialSuffix() { return QStringLiteral(".quillon~"); }

    // Replaces target in one step (a failure leaves the previous target as it was); the
    // copy keeps the source's last-modified time. Where no file can be made beside the
    // target but the target may be written, it is written in place.
    virtual Status copyFile(const QString& source, const QString& target) = 0;

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

    virtual Result<QByteArray> readFile(const QString& path) = 0;
    // Replaces the file in one step: a failure leaves the previous contents.
    virtual Status writeFileAtomically(const QString& path, const QByteArray& bytes) = 0;
};

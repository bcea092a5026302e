#include "install/folder_tree.h"

#include "common/paths.h"
#include "install/file_ops.h"

namespace FolderTree {

QString child(const QString& folder, const QString& name)
{
    return Paths::join(folder, QStringLiteral("\\")) + name;
}

Status copy(FileOps& ops, const QString& source, const QString& target, const CopiedFile& copied)
{
    // Writing through a link would put the data set into some other folder.
    if (ops.isLink(target))
        return Status::failure(Paths::describeFileError(target, QStringLiteral("a symbolic link is in the way")));
    const bool fresh = !ops.folderExists(target);
    if (fresh) {
        if (Status made = ops.makeFolder(target); !made)
            return made;
    }
    auto entries = ops.list(source);
    if (!entries)
        return Status::failure(entries.error());
    for (const FileOps::Entry& entry : entries.value()) {
        const QString from = child(source, entry.name);
        const QString to = child(target, entry.name);
        Fingerprint written{-1, 0, {}};
        Status done;
        switch (entry.kind) {
        case FileOps::Kind::Folder: done = copy(ops, from, to, copied); break;
        case FileOps::Kind::Link: done = ops.copyLink(from, to); break;
        case FileOps::Kind::File: {
            FileOps::CopyOptions options{copied ? &written : nullptr};
            options.targetAbsent = fresh;
            done = ops.copyFile(from, to, options);
            break;
        }
        case FileOps::Kind::Special: done = Status::failure(Paths::notRegularFile(from)); break;
        }
        if (done && copied && entry.kind != FileOps::Kind::Folder)
            done = copied(to, written);
        if (!done)
            return done;
    }
    return {};
}

Status remove(FileOps& ops, const QString& folder)
{
    if (Status allowed = ops.allowChanges(folder); !allowed)
        return allowed;
    auto entries = ops.list(folder);
    if (!entries)
        return Status::failure(entries.error());
    for (const FileOps::Entry& entry : entries.value()) {
        const QString path = child(folder, entry.name);
        Status done = entry.kind == FileOps::Kind::Folder ? remove(ops, path) : ops.removeFile(path);
        if (!done)
            return done;
    }
    return ops.removeFolder(folder);
}

QString unusedPath(FileOps& ops, const QString& stem, const QString& extension)
{
    QString path = stem + extension;
    for (int n = 2; ops.folderExists(path) || ops.fileExists(path) || ops.isLink(path); ++n)
        path = stem + u'_' + QString::number(n) + extension;
    return path;
}

} // namespace FolderTree

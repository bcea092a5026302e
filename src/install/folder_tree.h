#pragma once

#include "common/result.h"
#include "install/fingerprint.h"

#include <QString>

#include <functional>

class FileOps;

// Whole-folder work built from single file operations, so that a failure can strike
// between any two of them. Links are copied or removed as links, never followed.
namespace FolderTree {

// Told of every file and link copied, with the fingerprint of what was written (a link:
// size -1).
using CopiedFile = std::function<Status(const QString& path, const Fingerprint& written)>;

// Copies source with everything below it to target, overwriting files already there. A
// FIFO or device in source is refused before it is opened.
Status copy(FileOps& ops, const QString& source, const QString& target, const CopiedFile& copied = {});

// Deletes folder with everything below it, also entries marked read-only.
Status remove(FileOps& ops, const QString& folder);

// Child path: folder, the native separator, name.
QString child(const QString& folder, const QString& name);

// stem + extension, or stem + "_2" + extension and so on when something (even a dangling
// link) already has that name: two runs within one second each get their own.
QString unusedPath(FileOps& ops, const QString& stem, const QString& extension = {});

} // namespace FolderTree

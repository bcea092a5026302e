#pragma once

#include "common/result.h"

#include <QString>

class FileOps;

// Whole-folder work built from single file operations, so that a failure can strike
// between any two of them. Links are copied or removed as links, never followed.
namespace FolderTree {

// Copies source with everything below it to target, overwriting files already there.
Status copy(FileOps& ops, const QString& source, const QString& target);

// Deletes folder with everything below it, also entries marked read-only.
Status remove(FileOps& ops, const QString& folder);

// Child path: folder, the native separator, name.
QString child(const QString& folder, const QString& name);

} // namespace FolderTree

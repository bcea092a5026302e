#pragma once

#include "install/file_ops.h"

#include <optional>

// Copies a regular file through open descriptors on POSIX systems: one look at the source
// by name, the bytes moved by the system (or read once when they are hashed on the way),
// permissions and time set on the open copy, one rename or link into place. A copy of many small
// files spends its time in such calls, so each one saved counts.
namespace DescriptorCopy {

// Writes partial and renames it over target; with options.targetAbsent, a file without a
// name linked in as target. Gives nothing when neither can be made: the caller then copies
// its own way, and decides whether the target may be written in place.
std::optional<Status> copyFile(const QString& source, const QString& partial, const QString& target,
                               const FileOps::CopyOptions& options);

} // namespace DescriptorCopy

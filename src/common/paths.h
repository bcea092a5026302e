#pragma once

#include <QString>

// Path building in one place. The tools' own paths are written with backslashes
// ("\WORK\FSW_PSW.TRC"); on every platform they are joined to a folder with the native
// separator, so the user always sees paths in the form their system uses.
namespace Paths {

// folder + tail, where tail starts with a separator ("\WORK\FSW_PSW.TRC").
QString join(const QString& folder, const QString& tail);

// The folder part of a path: everything before its last separator.
QString folderOf(const QString& path);

// The name part of a path: everything after its last separator.
QString nameOf(const QString& path);

// A folder as the user picked it, native separators, no trailing separator.
QString normalizeFolder(const QString& folder);

QString toNative(const QString& path);

// Whether two paths name the same file, also through a hard or symbolic link. A path
// that names no file yet is the same as another only when both spell the same place.
bool sameFile(const QString& a, const QString& b);

// The message for a file that could not be opened, read or written.
QString describeFileError(const QString& path, const QString& systemError);
// The refusal of a FIFO, a device or a socket, which is never opened.
QString notRegularFile(const QString& path);

} // namespace Paths

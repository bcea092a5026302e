#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QString>

// A folder tree as relative path -> contents. Folders end in "/" and have no contents;
// links appear as "-> target".
using TreeSnapshot = QMap<QString, QByteArray>;

namespace TreeFiles {

TreeSnapshot snapshot(const QString& root);
// Builds a tree: keys ending in "/" are folders, others files with the given bytes.
bool build(const QString& root, const TreeSnapshot& tree);
// Copies a folder tree (for fixtures kept in the source tree).
inline bool copyTree(const QString& from, const QString& to)
{
    return build(to, snapshot(from));
}
// Sets the last-modified time of every file below root.
bool touchAll(const QString& root, const QDateTime& time);
bool touch(const QString& path, const QDateTime& time);

} // namespace TreeFiles

#include "tree_snapshot.h"

#include "support/test_files.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace TreeFiles {

TreeSnapshot snapshot(const QString& root)
{
    TreeSnapshot tree;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    const QDir base(root);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString rel = base.relativeFilePath(info.filePath());
        if (info.isSymLink()) {
            tree.insert(rel, "-> " + QFile::encodeName(info.symLinkTarget()));
        } else if (info.isDir()) {
            tree.insert(rel + u'/', QByteArray());
        } else {
            QFile file(info.filePath());
            file.open(QIODevice::ReadOnly);
            tree.insert(rel, file.readAll());
        }
    }
    return tree;
}

bool build(const QString& root, const TreeSnapshot& tree)
{
    for (auto it = tree.begin(); it != tree.end(); ++it) {
        const QString path = QDir(root).filePath(it.key());
        if (!(it.key().endsWith(u'/') ? QDir().mkpath(path) : TestFiles::write(path, it.value())))
            return false;
    }
    return true;
}

bool touch(const QString& path, const QDateTime& time)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime);
}

bool touchAll(const QString& root, const QDateTime& time)
{
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        if (!touch(it.next(), time))
            return false;
    return true;
}

} // namespace TreeFiles

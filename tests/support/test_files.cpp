#include "support/test_files.h"

#include "common/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace TestFiles {

bool write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool makeDirs(const QString& root, const QStringList& relativeFolders)
{
    for (const QString& folder : relativeFolders)
        if (!QDir(root).mkpath(folder))
            return false;
    return true;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (const int v : values)
        out.append(static_cast<char>(v));
    return out;
}

QByteArray crlf(const QStringList& lines)
{
    return TextFile::joinLines(lines);
}

} // namespace TestFiles

#include "common/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace Paths {

namespace {
bool isSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

std::filesystem::path fileSystemPath(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

qsizetype lastSeparator(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (isSeparator(path[i]))
            return i;
    return -1;
}
} // namespace

QString toNative(const QString& path)
{
#ifdef Q_OS_WIN
    QString result = path;
    result.replace(u'/', u'\\');
    return result;
#else
    QString result = path;
    result.replace(u'\\', u'/');
    return result;
#endif
}

QString join(const QString& folder, const QString& tail)
{
    // Only the tail is converted: the folder is already in the user's native form.
    return folder + toNative(tail);
}

QString folderOf(const QString& path)
{
    const qsizetype at = lastSeparator(path);
    return at < 0 ? QString() : path.left(at);
}

QString nameOf(const QString& path)
{
    return path.mid(lastSeparator(path) + 1);
}

QString normalizeFolder(const QString& folder)
{
    QString result = toNative(folder);
    // Keep a root ("/" or "C:\") whole; strip the separator from anything longer.
    while (result.size() > 1 && isSeparator(result.back()) && !result.endsWith(u":\\"))
        result.chop(1);
    return result;
}

bool sameFile(const QString& a, const QString& b)
{
    std::error_code error;
    const bool same = std::filesystem::equivalent(fileSystemPath(a), fileSystemPath(b), error);
    if (!error)
        return same;
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

QString describeFileError(const QString& path, const QString& systemError)
{
    return toNative(path) + QStringLiteral(": ") + systemError;
}

QString notRegularFile(const QString& path)
{
    return describeFileError(path, QStringLiteral("not a regular file"));
}

} // namespace Paths

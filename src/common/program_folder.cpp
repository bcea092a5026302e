#include "common/program_folder.h"

#include "common/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

// Real probes: the permission bits do not tell the whole story on Windows.
bool canWrite(const QString& folder, const QString& tail)
{
    if (folder.isEmpty())
        return false;
    QFile existing(Paths::join(folder, tail));
    if (existing.exists())
        return existing.open(QIODevice::WriteOnly | QIODevice::Append);
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".quillon-write-probe-XXXXXX")));
    return probe.open();
}

} // namespace

ProgramFiles ProgramFiles::forExecutable(const QString& executableFolder)
{
    return {executableFolder.isEmpty() ? QString() : Paths::normalizeFolder(executableFolder), userDataFolder()};
}

QString ProgramFiles::userDataFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return Paths::normalizeFolder(QDir::toNativeSeparators(data));
}

QString ProgramFiles::readFolder(const QString& tail) const
{
    for (const QString& folder : {m_besideProgram, m_perUser})
        if (!folder.isEmpty() && QFileInfo(Paths::join(folder, tail)).isFile())
            return folder;
    return m_besideProgram.isEmpty() ? m_perUser : m_besideProgram;
}

QString ProgramFiles::openFolder(const QString& tail) const
{
    for (const QString& folder : {m_besideProgram, m_perUser})
        if (canWrite(folder, tail))
            return QFileInfo(Paths::join(folder, tail)).isFile() ? folder : readFolder(tail);
    return readFolder(tail);
}

QString ProgramFiles::writeFolder(const QString& tail) const
{
    for (const QString& folder : {m_besideProgram, m_perUser})
        if (canWrite(folder, tail))
            return folder;
    QDir().mkpath(m_perUser);
    return m_perUser;
}

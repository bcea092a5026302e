#include "common/program_folder.h"

#include "common/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace ProgramFolder {

namespace {
bool canWriteInto(const QString& folder)
{
    // A real probe: the permission bits do not tell the whole story on Windows.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".quillon-write-probe-XXXXXX")));
    return probe.open();
}
} // namespace

QString resolve(const QString& executableFolder)
{
    if (!executableFolder.isEmpty() && canWriteInto(executableFolder))
        return Paths::normalizeFolder(executableFolder);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return Paths::normalizeFolder(QDir::toNativeSeparators(data));
}

} // namespace ProgramFolder

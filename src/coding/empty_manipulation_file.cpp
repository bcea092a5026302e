#include "coding/empty_manipulation_file.h"

#include "common/paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace ManipulationFile {

bool holdsSomething(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0;
}

EmptyOutcome empty(const QString& path)
{
    using Kind = EmptyOutcome::Kind;
    if (!QFileInfo(path).isFile())
        return {Kind::NotFound, QCoreApplication::translate("ManipulationFile", "%1 not found.").arg(path)};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {Kind::Failed, Paths::describeFileError(path, file.errorString())};
    return {};
}

} // namespace ManipulationFile

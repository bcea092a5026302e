#include "updatecheck/assembly_data.h"

#include "common/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace AssemblyData {

namespace {
constexpr int kFieldLength = 7;
} // namespace

QString field(const QString& line, int first)
{
    return line.mid(first - 1, kFieldLength);
}

Result<QList<Family>> listFamilies(const QString& dataFolder)
{
    const QDir dir(dataFolder);
    if (!dir.isReadable())
        return Result<QList<Family>>::failure(Paths::describeFileError(
            dataFolder, QCoreApplication::translate("AssemblyData", "the folder cannot be listed.")));
    QList<Family> families;
    const QFileInfoList entries = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::NoSort);
    for (const QFileInfo& entry : entries)
        families.append({entry.fileName(), Paths::toNative(entry.filePath())});
    // NTFS keeps names in the order of their upper-case forms, code unit by code unit, so
    // "AB" comes before "A_B" there; a case-folding sort would put it after.
    std::stable_sort(families.begin(), families.end(), [](const Family& a, const Family& b) {
        const QString upperA = a.name.toUpper();
        const QString upperB = b.name.toUpper();
        return upperA != upperB ? upperA < upperB : a.name < b.name;
    });
    return families;
}

namespace {

QString findEntry(const QString& folder, const QString& name, QDir::Filters kind)
{
    const QString exact = Paths::join(folder, u"\\"_qs + name);
    const QFileInfo info(exact);
    if (kind == QDir::Dirs ? info.isDir() : info.isFile())
        return exact;
    const QFileInfoList entries = QDir(folder).entryInfoList(kind | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries)
        if (entry.fileName().compare(name, Qt::CaseInsensitive) == 0)
            return Paths::toNative(entry.filePath());
    return {};
}

} // namespace

QString findFile(const QString& folder, const QString& name)
{
    return findEntry(folder, name, QDir::Files);
}

QString findFolder(const QString& folder, const QString& name)
{
    return findEntry(folder, name, QDir::Dirs);
}

QString newestNumber(const QStringList& historyLines, const QString& number)
{
    // The first line listing a number wins, as a scan from the top would find it.
    QHash<QString, QString> replacedBy;
    replacedBy.reserve(historyLines.size());
    for (const QString& line : historyLines) {
        const QString from = assemblyNumberOf(line);
        if (!replacedBy.contains(from))
            replacedBy.insert(from, replacementOf(line));
    }

    QString newest = number;
    QSet<QString> reached{number};
    for (;;) {
        const auto next = replacedBy.constFind(newest);
        if (next == replacedBy.cend() || reached.contains(*next))
            return newest;
        newest = *next;
        reached.insert(newest);
    }
}

} // namespace AssemblyData

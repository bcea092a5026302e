#include "updatecheck/assembly_data.h"

#include "common/paths.h"

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
        return Result<QList<Family>>::failure(
            Paths::describeFileError(dataFolder, QStringLiteral("the folder cannot be listed.")));
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

QString findFile(const QString& folder, const QString& name)
{
    const QString exact = Paths::join(folder, u"\\"_qs + name);
    if (QFileInfo(exact).isFile())
        return exact;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& file : files)
        if (file.fileName().compare(name, Qt::CaseInsensitive) == 0)
            return Paths::toNative(file.filePath());
    return {};
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

#include "updatecheck/update_plan.h"

#include "common/clock.h"
#include "common/generated_header.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "updatecheck/update_check.h"

#include <QFileInfo>

UpdatePlanEntry UpdatePlanEntry::fromCheck(const UpdateCheck& check, const QString& assemblyNumber)
{
    return {assemblyNumber, check.hardware, check.family, check.newest};
}

QString updatePlanPath(const QString& programFolder)
{
    return Paths::join(programFolder, QStringLiteral("\\Updateplan.txt"));
}

QStringList updatePlanEntryLines(const UpdatePlanEntry& entry, const QDateTime& now)
{
    return {
        QStringLiteral("Date\t\t: ") + DateText::general(now),
        QString(),
        QStringLiteral("Assembly number\t: ") + entry.assemblyNumber,
        QStringLiteral("Hardware number\t: ") + entry.hardwareNumber,
        QString(),
        QStringLiteral("ECU family\t: ") + entry.family,
        QStringLiteral("Update to\t: ") + entry.updateTo,
        GeneratedHeader::ruleLine(),
        QString(),
    };
}

Status AppendToUpdatePlan(const QString& programFolder, const UpdatePlanEntry& entry, const QDateTime& now)
{
    const QString path = updatePlanPath(programFolder);
    QStringList lines;
    const QFileInfo file(path);
    if (!file.exists() || file.size() == 0)
        lines = GeneratedHeader::lines();
    // Header and entry go out in one write, so a failure cannot leave a header alone.
    lines += updatePlanEntryLines(entry, now);
    return TextFile::appendLines(path, lines);
}

#include "coding/coding_log.h"

#include "common/clock.h"
#include "common/generated_header.h"
#include "common/paths.h"
#include "common/text_file.h"

#include <QFileInfo>

QString codingLogPath(const QString& programFolder)
{
    return Paths::join(programFolder, QStringLiteral("\\Codinglog.txt"));
}

QStringList BuildCodingLogEntry(const CodingLogEntry& entry)
{
    QStringList lines{
        QStringLiteral("Date\t\t: ") + DateText::general(entry.time),
        QStringLiteral("Module changed\t: ") + entry.chassis + QStringLiteral(" - ") + entry.module,
        QString(),
        // Item 2 is the function line of the first change; with none listed the line
        // ends after the colon.
        QStringLiteral("Changed values\t: ") + entry.summary.value(2),
    };
    for (qsizetype i = 3; i < entry.summary.size(); ++i)
        lines.append(entry.summary[i].isEmpty() ? QString() : QStringLiteral("\t\t  ") + entry.summary[i]);
    lines.append(QStringLiteral("Backup saved as\t: ") + entry.backupName);
    lines.append(GeneratedHeader::ruleLine());
    lines.append(QString());
    return lines;
}

Status AppendCodingLog(const QString& path, const QStringList& entryLines)
{
    const QFileInfo info(path);
    const bool empty = !info.exists() || info.size() == 0;
    return TextFile::appendLines(path, empty ? GeneratedHeader::lines() + entryLines : entryLines);
}

#pragma once

#include "common/result.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// Codinglog.txt, the user's record of every save, next to the program.
QString codingLogPath(const QString& programFolder);

struct CodingLogEntry {
    QDateTime time;
    QString chassis;
    QString module;
    // listItems after the save: "Changed values:", an empty item, then the changes.
    QStringList summary;
    // The name of the trace copy saved during this save, or empty.
    QString backupName;
};

// The lines of one entry, closed by the rule line and an empty line.
QStringList BuildCodingLogEntry(const CodingLogEntry& entry);

// Appends lines to the log, after the generated header when the log is empty or missing.
Status AppendCodingLog(const QString& path, const QStringList& entryLines);

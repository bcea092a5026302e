#pragma once

#include "common/result.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

struct UpdateCheck;

// One update the user plans to program, as appended to Updateplan.txt.
struct UpdatePlanEntry {
    QString assemblyNumber;
    QString hardwareNumber;
    QString family;
    QString updateTo;

    // The entry for a check that found an update. The assembly number is passed apart:
    // it is whatever the entry field holds when the user adds the entry.
    static UpdatePlanEntry fromCheck(const UpdateCheck& check, const QString& assemblyNumber);
};

// Updateplan.txt in the program's folder.
QString updatePlanPath(const QString& programFolder);

// The lines of one entry; the labels end on the same tab stop, so the colons line up.
QStringList updatePlanEntryLines(const UpdatePlanEntry& entry, const QDateTime& now);

// Appends the entry to Updateplan.txt, creating the file when missing and opening a file
// that is still empty with the generated header. The file only ever grows.
Status AppendToUpdatePlan(const QString& programFolder, const UpdatePlanEntry& entry, const QDateTime& now);

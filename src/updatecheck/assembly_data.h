#pragma once

#include "common/result.h"

#include <QList>
#include <QString>
#include <QStringList>

// WinKFP's assembly-line data as the update check reads it. Every subfolder of DATA is an
// ECU family holding a list file <family>.DAT and a history file <family>.HIS. Only a few
// fixed character columns are read; everything else in those files is WinKFP's business.
namespace AssemblyData {

// Seven characters from column first (counted from 1). A short line yields the part that
// exists, possibly nothing.
QString field(const QString& line, int first);

// List and history files: the assembly number in columns 1-7.
inline QString assemblyNumberOf(const QString& line)
{
    return field(line, 1);
}
// List file: the hardware number in columns 17-23.
inline QString hardwareNumberOf(const QString& line)
{
    return field(line, 17);
}
// History file: the number that replaces the line's number, columns 9-15.
inline QString replacementOf(const QString& line)
{
    return field(line, 9);
}

struct Family {
    QString name;
    QString folder;
};

// The family folders below dataFolder in the order Windows lists them on NTFS (names
// compared in upper case), on every platform, so the first family listing a number is
// the same one WinKFP's users see first.
Result<QList<Family>> listFamilies(const QString& dataFolder);

// The path of file (or subfolder) name inside folder, or empty when there is none. Data
// copied from Windows onto a case-sensitive disk may spell the name in another case; it
// still counts.
QString findFile(const QString& folder, const QString& name);
QString findFolder(const QString& folder, const QString& name);

// Where the replacement chain starting at number ends. For each number the first history
// line that lists it decides. A chain that comes back to a number already reached ends
// at the last new number before the repeat, so no history can keep the check going.
QString newestNumber(const QStringList& historyLines, const QString& number);

} // namespace AssemblyData

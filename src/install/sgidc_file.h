#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>

class FileOps;
class InstallObserver;
class RestoreRecordWriter;

// WinKFP's SGIDC.AS2 holds lines that WinKFP cannot take beyond 305 bytes; such lines are
// turned into comments. The file is handled as bytes: every byte is written back as read.
namespace SgidcFile {

inline constexpr qsizetype kLongestLine = 305;

// The new contents: lines split at CR LF, LF or a lone CR, each written back with CR LF,
// a line longer than kLongestLine bytes with ';' in front.
QByteArray commentLongLines(const QByteArray& contents);

} // namespace SgidcFile

// Edits folder\SGIDC.AS2, logging to the observer. A missing file is logged and is no
// failure; the file is replaced in one step, so a failure never leaves it half-written.
// With a record, the previous contents are kept aside first.
Status EditSgidcFile(FileOps& ops, InstallObserver& observer, const QString& folder,
                     RestoreRecordWriter* record = nullptr);

#pragma once

#include "support/test_files.h"

#include <QDir>
#include <QString>
#include <QStringList>

// Writes assembly-line data below root. Each entry is "<path below DATA>|line|line|...":
// "DME/DME.DAT|1234567 0000001 7000000" writes one list file. An entry ending in '/'
// makes an empty folder. Lines are written with CR LF.
inline bool writeAssemblyData(const QString& root, const QStringList& entries)
{
    if (!QDir().mkpath(QDir(root).filePath(QStringLiteral("DATA"))))
        return false;
    for (const QString& entry : entries) {
        QStringList parts = entry.split(u'|');
        const QString path = QDir(root).filePath(QStringLiteral("DATA/") + parts.takeFirst());
        const bool ok = path.endsWith(u'/') ? QDir().mkpath(path) : TestFiles::write(path, TestFiles::crlf(parts));
        if (!ok)
            return false;
    }
    return true;
}

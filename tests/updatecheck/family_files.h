#pragma once

#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

// Writes assembly-line data below root. Each entry is "<path below DATA>|line|line|...":
// "DME/DME.DAT|1234567 0000001 7000000" writes one list file. An entry ending in '/'
// makes an empty folder, "<path>><target>" a link. Lines are written with CR LF. No entries
// at all: no DATA folder either.
inline bool writeAssemblyData(const QString& root, const QStringList& entries)
{
    if (!entries.isEmpty() && !QDir().mkpath(QDir(root).filePath(QStringLiteral("DATA"))))
        return false;
    for (const QString& entry : entries) {
        QStringList parts = entry.split(u'|');
        const QStringList link = parts.takeFirst().split(u'>');
        const QString path = QDir(root).filePath(QStringLiteral("DATA/") + link[0]);
        const bool ok = link.size() > 1       ? QFile::link(link[1], path)
                        : path.endsWith(u'/') ? QDir().mkpath(path)
                                              : TestFiles::write(path, TestFiles::crlf(parts));
        if (!ok)
            return false;
    }
    return true;
}

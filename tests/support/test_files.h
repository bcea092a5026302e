#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Small helpers for tests that build files and folders in a QTemporaryDir.
namespace TestFiles {

// Writes bytes, creating parent folders. Fails the test on error via qFatal-free checks:
// returns false so the caller can QVERIFY it.
bool write(const QString& path, const QByteArray& bytes);
QByteArray read(const QString& path);
bool makeDirs(const QString& root, const QStringList& relativeFolders);

// Lines joined with CR LF after each, encoded with the tools' single-byte mapping.
QByteArray crlf(const QStringList& lines);

} // namespace TestFiles

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <initializer_list>

// Small helpers for tests that build files and folders in a QTemporaryDir.
namespace TestFiles {

// Writes bytes, creating parent folders. Fails the test on error via qFatal-free checks:
// returns false so the caller can QVERIFY it.
bool write(const QString& path, const QByteArray& bytes);
QByteArray read(const QString& path);
bool makeDirs(const QString& root, const QStringList& relativeFolders);

// Bytes given by their values, for binary fixtures: bytes({0x12, 0x00, 0x01}).
QByteArray bytes(std::initializer_list<int> values);

// Lines joined with CR LF after each, encoded with the tools' single-byte mapping.
QByteArray crlf(const QStringList& lines);

} // namespace TestFiles

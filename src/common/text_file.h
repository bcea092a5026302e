#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QFileDevice;

// Single-byte text files of the tools (traces, logs, tables).
// Reading: CR LF, LF and a lone CR each end a line; empty lines are kept, and so is a
// last line without a line end. Writing: every line is followed by CR LF.
namespace TextFile {

QStringList splitLines(const QByteArray& bytes);
QByteArray joinLines(const QStringList& lines);

Result<QStringList> readLines(const QString& path);

// Replaces the file in one step: a failure leaves the previous file as it was.
Status writeLinesAtomically(const QString& path, const QStringList& lines);

// Appends to the file, creating it when missing.
Status appendLines(const QString& path, const QStringList& lines);

// Writes every byte and flushes; false with the system's reason in file.errorString().
bool writeAll(QFileDevice& file, const QByteArray& bytes);

// Whole-file byte helpers with the same error reporting.
Result<QByteArray> readBytes(const QString& path);
Status writeBytesAtomically(const QString& path, const QByteArray& bytes);

} // namespace TextFile

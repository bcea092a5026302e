#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

class QFileDevice;

// What a file is read as, and the largest size a file of that kind can sensibly have.
struct FileKind {
    const char* name; // as in "too large for a trace: 8.8 GB"
    qint64 maxBytes;
};

namespace FileKinds {
// Far above anything the tools write (a real trace of a whole car is 0.2 MB), far below
// what would exhaust the memory once read and shown.
inline constexpr FileKind Trace{"a trace", 64'000'000};
inline constexpr FileKind ModuleFile{"a module file", 64'000'000};
inline constexpr FileKind KeywordFile{"a keyword file", 64'000'000};
inline constexpr FileKind TranslationTable{"a translation table", 16'000'000};
inline constexpr FileKind AssemblyData{"assembly-line data", 64'000'000};
inline constexpr FileKind AnyText{"a text file", 256'000'000};
} // namespace FileKinds

// Single-byte text files of the tools (traces, logs, tables).
// Reading: CR LF, LF and a lone CR each end a line; empty lines are kept, and so is a
// last line without a line end. Writing: every line is followed by CR LF.
// Only regular files (or links to one) are read or written: a FIFO would wait for ever,
// a device never ends or would be replaced by a file. A file larger than its kind allows
// is refused before it is read.
namespace TextFile {

// The lines as bytes, without their line ends.
QList<QByteArrayView> splitLineBytes(QByteArrayView bytes);
QStringList splitLines(const QByteArray& bytes);
QByteArray joinLines(const QStringList& lines);

Result<QStringList> readLines(const QString& path, const FileKind& kind = FileKinds::AnyText);

// Replaces the file in one step: a failure leaves the previous file as it was.
Status writeLinesAtomically(const QString& path, const QStringList& lines);

// Appends to the file, creating it when missing.
Status appendLines(const QString& path, const QStringList& lines);

// Writes every byte and flushes; false with the system's reason in file.errorString().
bool writeAll(QFileDevice& file, const QByteArray& bytes);

// Whole-file byte helpers with the same error reporting.
Result<QByteArray> readBytes(const QString& path, const FileKind& kind = FileKinds::AnyText);
Status writeBytesAtomically(const QString& path, const QByteArray& bytes);

} // namespace TextFile

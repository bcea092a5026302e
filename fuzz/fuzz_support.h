#pragma once

// What the fuzz targets share: taking bytes from the input, a scratch folder of the run's
// own, and a way to stop with a readable reason when something that must hold does not.

#include "common/dialogs.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <fuzzer/FuzzedDataProvider.h>

namespace Fuzz {

QByteArray take(FuzzedDataProvider& input, std::size_t maxLength);

// Lines that often repeat each other and look like a trace: function lines, tab-led value
// lines, now and then a word taken from pool, so lookups and comparisons find something.
QStringList traceLines(FuzzedDataProvider& input, const QStringList& pool, int maxLines);

// An empty folder named name inside the run's scratch folder (removed at exit).
QString freshFolder(const QString& name);
// Creates the file (and its folders) with exactly these bytes.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// Prints what does not hold and aborts, which libFuzzer reports as a crash with the input.
[[noreturn]] void fail(const char* what, const QString& detail = {});
inline void check(bool holds, const char* what, const QString& detail = {})
{
    if (!holds)
        fail(what, detail);
}

// Records every message and answers them all with answer; file dialogs are cancelled.
class RecordingDialogs : public Dialogs {
public:
    MessageAnswer answer = MessageAnswer::No;
    QStringList messages;

    MessageAnswer message(const QString&, const QString& text, MessageIcon, MessageButtons) override
    {
        messages.append(text);
        return answer;
    }
    QString openFile(const FileDialogRequest&) override { return {}; }
    QString saveFile(const FileDialogRequest&) override { return {}; }
    QString browseForFolder(const QString&) override { return {}; }
    bool startEditor(const QString&, QString*) override { return false; }
};

} // namespace Fuzz

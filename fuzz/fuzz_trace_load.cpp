// Arbitrary bytes as WORK\FSW_PSW.TRC, loaded as the user loads a trace, then a MAN file
// next to it (one written from the tree, or arbitrary bytes) through the leftover check.
// A trace that loads gives back every line as read, its tree writes the MAN lines those
// lines call for, and the MAN file written for it is never taken for a leftover one.

#include "coding/leftover_manipulation_file.h"
#include "coding/manipulation_lines.h"
#include "common/busy_state.h"
#include "common/text_file.h"
#include "fuzz_support.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"

#include <QSet>

namespace {

// The bytes as they are written back: each line ended by CR LF, whatever ended it before.
QByteArray withWindowsLineEnds(QByteArray bytes)
{
    bytes.replace("\r\n", "\n");
    bytes.replace('\r', '\n');
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += '\n';
    bytes.replace("\n", "\r\n");
    return bytes;
}

// How many lines load before the first that cannot: one with a control character other
// than tab, a repeated function line, or a value line before any function.
qsizetype loadableLines(const QStringList& lines)
{
    QSet<QString> functions;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (const QChar c : lines[i])
            if ((c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7f)
                return i;
        if (lines[i].startsWith(u'\t')) {
            if (functions.isEmpty())
                return i;
        } else if (functions.contains(lines[i])) {
            return i;
        } else {
            functions.insert(lines[i]);
        }
    }
    return lines.size();
}

// What FSW_PSW.MAN holds for these lines with every value chosen: each function with
// values, then its values without tabs.
QStringList manipulationLinesOf(const QStringList& lines)
{
    QStringList out;
    QString function;
    bool listed = false;
    for (const QString& line : lines) {
        if (!line.startsWith(u'\t')) {
            function = line;
            listed = false;
            continue;
        }
        if (!listed)
            out.append(function);
        listed = true;
        out.append(u'\t' + QString(line).remove(u'\t'));
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool manFromTree = input.ConsumeBool();
    const QByteArray manBytes = Fuzz::take(input, 256);
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray file(rest.data(), static_cast<qsizetype>(rest.size()));
    // One Ctrl-Z at the very end is an old end-of-file mark, not part of the trace.
    const QByteArray bytes = file.endsWith('\x1a') ? file.chopped(1) : file;

    const QString folderNCS = Fuzz::freshFolder(QStringLiteral("NCSEXPER"));
    const QString tracePath = defaultTracePath(folderNCS);
    Fuzz::writeFile(tracePath, file);

    TraceSession session;
    BusyState busy;
    Fuzz::RecordingDialogs dialogs;
    const TraceLoadOutcome outcome = LoadTraceFile(tracePath, folderNCS, session, busy, dialogs);

    const QStringList lines = TextFile::splitLines(bytes);
    const qsizetype loadable = loadableLines(lines);
    Fuzz::check(session.TraceLines == lines.mid(0, loadable), "the accepted lines are not the loadable ones");
    Fuzz::check(outcome.loaded == (loadable == lines.size()), "loaded does not match the lines");
    Fuzz::check(dialogs.messages.size() == (outcome.loaded ? 0 : 1), "wrong number of messages",
                dialogs.messages.join(u'\n'));
    if (!outcome.loaded)
        return 0;

    Fuzz::check(TextFile::joinLines(session.TraceLines) == withWindowsLineEnds(bytes),
                "the loaded trace does not write back as read");
    const QStringList manLines = BuildManipulationLines(session.tree());
    Fuzz::check(manLines == manipulationLinesOf(lines), "the MAN lines do not follow the trace", manLines.join(u'\n'));

    const QString manPath = manipulationFilePath(folderNCS);
    const QByteArray written = manFromTree ? TextFile::joinLines(manLines) : manBytes;
    Fuzz::writeFile(manPath, written);
    dialogs.answer = MessageAnswer::Yes;
    const bool emptied = GuardLeftoverManipulationFile(folderNCS, session.TraceLines, dialogs);
    const ManipulationFileCheck check = CheckManipulationFile(
        TextFile::splitLines(written.endsWith('\x1a') ? written.chopped(1) : written), session.TraceLines);
    Fuzz::check(Fuzz::readFile(manPath) == (emptied ? QByteArray() : written), "the MAN file changed unasked");
    Fuzz::check(emptied == check.foreign, "the guard and the check disagree");
    Fuzz::check(check.missing <= check.functions, "more functions missing than there are");
    // NCS Expert lists every function with at least its coded value; for such a trace the
    // MAN file written from the tree holds every function line and is the trace's own.
    const bool everyFunctionHasValues = manLines.size() == lines.size();
    Fuzz::check(!manFromTree || !everyFunctionHasValues || !check.foreign, "the trace's own MAN file is foreign",
                manLines.join(u'\n'));
    return 0;
}

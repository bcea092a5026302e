// A loaded trace and a wanted one from arbitrary lines (the wanted often the loaded with
// values changed), the wanted values applied, then the save's snapshot kept in a coding
// history and read back. Functions are read as the loader reads them; every function
// with the same number of values takes the wanted values whole or not at all; the
// snapshot gives back the trace as loaded and counts the changed values.

#include "coding/coding_history.h"
#include "coding/manipulation_lines.h"
#include "fuzz_support.h"
#include "trace/apply_values.h"
#include "trace/trace_functions.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"

#include <QHash>

namespace {

bool sameFunctions(const QList<TraceFunction>& a, const QList<TraceFunction>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].line != b[i].line || a[i].values != b[i].values)
            return false;
    return true;
}

QStringList childTexts(const TraceTree& tree, int node)
{
    QStringList texts;
    for (const int child : tree.children(node))
        texts.append(tree.text(child));
    return texts;
}

// Lines that are a trace's text: control characters other than tab stop a load at once.
QStringList withoutControlCharacters(QStringList lines)
{
    for (QString& line : lines)
        for (QChar& c : line)
            if ((c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7f)
                c = u'?';
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QStringList loadedLines = withoutControlCharacters(Fuzz::traceLines(input, {}, 24));
    QStringList wantedLines = loadedLines;
    if (input.ConsumeBool()) {
        wantedLines = withoutControlCharacters(Fuzz::traceLines(input, loadedLines, 24));
    } else {
        for (int changes = input.ConsumeIntegralInRange(0, 6); changes > 0 && !wantedLines.isEmpty(); --changes) {
            QString& line = wantedLines[input.ConsumeIntegralInRange<qsizetype>(0, wantedLines.size() - 1)];
            if (line.startsWith(u'\t'))
                line = u'\t' + withoutControlCharacters(Fuzz::traceLines(input, {}, 1)).value(0).remove(u'\t');
        }
    }

    TraceSession session;
    const QString loadError = BuildTraceTree(session.tree(), loadedLines, &session.TraceLines);
    const Result<QList<TraceFunction>> loaded = ReadTraceFunctions(loadedLines);
    Fuzz::check(loaded.ok() == loadError.isEmpty() && (loaded.ok() || loaded.error() == loadError),
                "the functions are not read as the loader reads them", loadError + u'|' + loaded.error());
    const Result<QList<TraceFunction>> wanted = ReadTraceFunctions(wantedLines);
    if (!loaded || !wanted)
        return 0;
    session.showTree();

    const ApplyValues::Outcome outcome = ApplyValues::ApplyTraceValues(session, wanted.value(), {});
    QHash<QString, QStringList> wantedValues;
    for (const TraceFunction& function : wanted.value())
        wantedValues.insert(function.line, function.values);
    TraceTree& tree = session.tree();
    int matched = 0;
    qsizetype changed = 0;
    for (const TraceFunction& function : loaded.value()) {
        const int node = tree.indexOfKey(function.line);
        const QStringList now = childTexts(tree, node);
        const auto other = wantedValues.constFind(function.line);
        matched += other != wantedValues.cend() ? 1 : 0;
        if (now == function.values)
            continue;
        Fuzz::check(other != wantedValues.cend() && now == *other, "a function took values it was not given",
                    function.line + u'|' + now.join(u','));
        for (qsizetype i = 0; i < now.size(); ++i)
            changed += now[i] != function.values[i] ? 1 : 0;
    }
    Fuzz::check(outcome.matched == matched && outcome.changed.size() == changed,
                "the outcome does not count what changed", outcome.report().join(u'\n'));

    const QString history = Fuzz::freshFolder(QStringLiteral("history"));
    const QDateTime time(QDate(2026, 12, 7), QTime(1, 2, 3));
    const Status kept = CodingHistory::KeepSnapshot(history, time, QStringLiteral("E60"), QStringLiteral("CAS.C32"),
                                                    session.TraceLines, BuildManipulationLines(tree));
    Fuzz::check(kept.ok(), "the snapshot is not kept", kept.error());
    const QList<CodingHistory::Snapshot> snapshots = CodingHistory::ListSnapshots(history);
    Fuzz::check(snapshots.size() == 1 && snapshots.first().time == time, "the snapshot is not listed");
    const Result<CodingHistory::SnapshotDetails> details =
        CodingHistory::ReadSnapshot(snapshots.first(), loaded.value());
    Fuzz::check(details.ok() && sameFunctions(details->trace, loaded.value()),
                "the snapshot does not give back the loaded trace", details.ok() ? QString() : details.error());
    Fuzz::check(details->changedValues == changed && details->sharedFunctions == loaded->size(),
                "the snapshot counts differ", QStringLiteral("%1 %2").arg(details->changedValues).arg(changed));
    return 0;
}

// Applying a trace with 1,000 changed values onto the loaded one, the marking of every
// change in the tree included. Without arguments it uses a generated trace of the size of
// a large real one (6,800 functions); QUILLON_TRACE=<file> uses that file instead.
#include "common/text_file.h"
#include "trace/apply_values.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

QStringList traceLines()
{
    if (const char* given = std::getenv("QUILLON_TRACE"))
        return TextFile::readLines(QString::fromLocal8Bit(given)).value();
    QStringList lines;
    for (int i = 0; i < 6800; ++i) {
        lines.append(QStringLiteral("FUNKTION_%1_PARAMETER").arg(i, 5, 10, QLatin1Char('0')));
        lines.append(QStringLiteral("\twert_%1").arg(i % 17));
    }
    return lines;
}

// The same trace with 1,000 of its values changed, spread over the whole trace.
QStringList withChangedValues(QStringList lines)
{
    QList<qsizetype> values;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(u'\t'))
            values.append(i);
    const qsizetype step = values.size() / 1000;
    for (int n = 0; n < 1000; ++n)
        lines[values[n * step]] = QStringLiteral("\tgeaendert_%1").arg(n);
    return lines;
}

void ApplyTrace(benchmark::State& state)
{
    const QStringList current = traceLines();
    const QStringList wanted = withChangedValues(current);
    int changed = 0;
    for (auto _ : state) {
        // Loading and unloading the trace are not part of the apply.
        state.PauseTiming();
        auto session = std::make_unique<TraceSession>();
        BuildTraceTree(session->tree(), current, &session->TraceLines);
        state.ResumeTiming();
        const ApplyValues::Outcome outcome =
            ApplyValues::ApplyTraceValues(*session, ReadTraceFunctions(wanted).value(), {});
        changed = static_cast<int>(outcome.changed.size());
        benchmark::DoNotOptimize(session->ChangeCount);
        state.PauseTiming();
        session.reset();
        state.ResumeTiming();
    }
    state.counters["functions"] = static_cast<double>(ReadTraceFunctions(current)->size());
    state.counters["changed"] = changed;
}
BENCHMARK(ApplyTrace)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

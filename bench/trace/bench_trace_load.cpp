// Loading a trace into the tree. Without arguments it loads a generated trace of the size
// of a large real one (6,800 functions); QUILLON_TRACE=<file> loads that file instead.
#include "common/busy_state.h"
#include "common/dialogs.h"
#include "common/text_file.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

class SilentDialogs final : public Dialogs {
public:
    MessageAnswer message(const QString&, const QString&, MessageIcon, MessageButtons) override
    {
        ++messages;
        return MessageAnswer::Ok;
    }
    QString openFile(const FileDialogRequest&) override { return {}; }
    QString saveFile(const FileDialogRequest&) override { return {}; }
    QString browseForFolder(const QString&) override { return {}; }
    bool startEditor(const QString&, QString*) override { return false; }
    int messages = 0;
};

QString tracePath(QTemporaryDir& dir)
{
    if (const char* given = std::getenv("QUILLON_TRACE"))
        return QString::fromLocal8Bit(given);
    QStringList lines;
    for (int i = 0; i < 6800; ++i) {
        lines.append(QStringLiteral("FUNKTION_%1_PARAMETER").arg(i, 5, 10, QLatin1Char('0')));
        lines.append(QStringLiteral("\twert_%1").arg(i % 17));
    }
    const QString path = dir.filePath(QStringLiteral("FSW_PSW.TRC"));
    TextFile::writeLinesAtomically(path, lines);
    return path;
}

void LoadTrace(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = tracePath(dir);
    TraceSession session;
    BusyState busy;
    SilentDialogs dialogs;
    for (auto _ : state) {
        LoadTraceFile(path, dir.path(), session, busy, dialogs);
        benchmark::DoNotOptimize(session.tree().count());
    }
    state.counters["nodes"] = session.tree().count();
    state.counters["messages"] = dialogs.messages;
}
BENCHMARK(LoadTrace)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

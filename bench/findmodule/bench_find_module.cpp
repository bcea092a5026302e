// "Find module" on a chassis of 100 generated modules of about 400 KB each, ranked for a
// trace of 6,783 functions, on one and on two threads. QUILLON_TRACE=<file> ranks for that
// trace (the generated chassis then holds its functions and values); without it a
// generated trace of the same size is used. The first module is the one the trace was
// read from; the others miss some functions and some current values.
#include "common/text_file.h"
#include "moduledata/module_ranking.h"

#include <QDir>
#include <QHash>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <random>

namespace {

constexpr int kModules = 100;
constexpr int kFswBytes = 1 << 20;
constexpr int kPswBytes = 4 << 20;

QStringList traceLines()
{
    if (const char* given = std::getenv("QUILLON_TRACE")) {
        const Result<QStringList> lines = TextFile::readLines(QString::fromLocal8Bit(given));
        if (!lines)
            qFatal("%s", qPrintable(lines.error()));
        return lines.value();
    }
    QStringList lines;
    for (int i = 0; i < 6783; ++i)
        lines << QStringLiteral("K%1_FUNKTION").arg(i, 4, 10, QLatin1Char('0'))
              << QStringLiteral("\twert_%1").arg(i % 340);
    return lines;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (const int v : values)
        out.append(static_cast<char>(v));
    return out;
}

// The second ID byte stands just before the name, so it is a separator (1-36); 0x10 and
// 0x12 are left out so no ID looks like an entry or a marker.
QByteArray functionId(int number)
{
    static const QList<int> low = [] {
        QList<int> list;
        for (int b = 0x01; b <= 0x24; ++b)
            if (b != 0x10 && b != 0x12)
                list.append(b);
        return list;
    }();
    return bytes({0x20 + number / int(low.size()), low[number % low.size()]});
}

QByteArray valueId(int number)
{
    return bytes({0x30 + number / 63, 0x40 + number % 63});
}

struct Chassis {
    QTemporaryDir dir;
    QString ncs = dir.filePath(QStringLiteral("NCSEXPER"));
    QStringList trace = traceLines();
    qint64 moduleBytes = 0;

    Chassis()
    {
        const QString folder = ncs + QStringLiteral("/DATEN/BIG/");
        QDir().mkpath(folder);
        QList<QByteArray> functions;
        QList<QList<int>> current; // the trace's values of each function, by number
        QHash<QString, int> values;
        for (const QString& line : trace) {
            if (!line.startsWith(u'\t')) {
                functions.append(line.toLatin1());
                current.append(QList<int>());
                continue;
            }
            const QString value = QString(line).remove(u'\t');
            if (!values.contains(value))
                values.insert(value, int(values.size()));
            current.last().append(values.value(value));
        }
        const int pool = int(values.size()) + 200; // values no trace function has now
        // Keyword files of a large chassis (1 MB and 4 MB): the chassis's other functions and
        // values stand between the trace's, as they do in real files.
        QByteArray fsw = "SWTFSW01 BIG" + bytes({0x1A, 0, 0});
        for (int f = 0; f < functions.size(); ++f) {
            while (fsw.size() < (qsizetype(kFswBytes) * f) / functions.size())
                fsw += bytes({0xF0, 0x24}) + "ANDERE_FUNKTION_" + QByteArray::number(fsw.size()) + bytes({0});
            fsw += functionId(f) + functions[f] + bytes({0});
        }
        QByteArray psw = "SWTPSW01 BIG KEYWORD" + bytes({0, 2, 0});
        const auto pswFiller = [&psw](qsizetype until) {
            while (psw.size() < until)
                psw += bytes({1, 0, 0xF1, 0x7F}) + "anderer_wert_" + QByteArray::number(psw.size()) + bytes({0});
        };
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            pswFiller(qsizetype(kPswBytes) * it.value() / pool);
            psw += bytes({1, 0}) + valueId(it.value()) + it.key().toLatin1() + bytes({0});
        }
        for (int v = int(values.size()); v < pool; ++v) {
            pswFiller(qsizetype(kPswBytes) * v / pool);
            psw += bytes({1, 0}) + valueId(v) + "wert_frei_" + QByteArray::number(v) + bytes({0});
        }
        pswFiller(kPswBytes);
        write(folder + QStringLiteral("SWTFSW01.DAT"), fsw);
        write(folder + QStringLiteral("SWTPSW01.DAT"), psw);

        for (int m = 0; m < kModules; ++m) {
            std::mt19937 random(m);
            const auto percent = [&random] { return std::uniform_int_distribution<int>(0, 99)(random); };
            const int dropFunction = m == 0 ? 0 : m % 20;    // percent of functions left out
            const int dropCurrent = m == 0 ? 0 : 1 + m % 10; // percent of current values left out
            const int distance = 9 + m % 5;
            QByteArray module = "BIG module INDIVID" + QByteArray(13, '\x55') + bytes({0, 0x2A, 0, 3, 0, 0});
            for (int f = 0; f < functions.size(); ++f) {
                if (percent() < dropFunction)
                    continue;
                module += bytes({0x12, 0x00, 0x01}) + QByteArray(distance - 3, '\x55') + functionId(f);
                QList<int> entries;
                for (const int v : current[f])
                    if (percent() >= dropCurrent)
                        entries.append(v);
                while (entries.size() < 4)
                    entries.append(std::uniform_int_distribution<int>(0, pool - 1)(random));
                for (const int v : entries)
                    module +=
                        bytes({0x0C, 0x10, 0x00}) + valueId(v) + bytes({0x08, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55});
                module += bytes({0xFF, 0xFF});
            }
            moduleBytes += module.size();
            write(folder + QStringLiteral("M%1.C%2").arg(m, 3, 10, QLatin1Char('0')).arg(m % 10), module);
        }
    }

    static void write(const QString& path, const QByteArray& data)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
            qFatal("cannot write %s", qPrintable(path));
    }
};

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

const Chassis& chassis()
{
    static const Chassis instance;
    return instance;
}

void FindModule(benchmark::State& state)
{
    const Chassis& data = chassis();
    RankingControl control;
    control.threads = static_cast<int>(state.range(0));
    ModuleRanking ranking;
    const double cpuBefore = processCpuSeconds();
    for (auto _ : state) {
        const Result<ModuleRanking> ranked = RankModules(data.ncs, QStringLiteral("BIG"), data.trace, control);
        if (!ranked)
            state.SkipWithError(qPrintable(ranked.error()));
        else
            ranking = ranked.value();
    }
    // CPU seconds of all threads per run: on a shared machine the wall time says how busy
    // the other processes were, this says what the ranking itself costs.
    state.counters["cpu s/run"] = (processCpuSeconds() - cpuBefore) / double(state.iterations());
    const ModuleFit& best = ranking.modules.value(0);
    if (best.module != u"M000.C0" || best.matching != ranking.functions)
        state.SkipWithError("the module the trace was read from is not ranked first");
    state.counters["modules"] = double(ranking.modules.size());
    state.counters["avg module KB"] = double(data.moduleBytes) / kModules / 1024;
    state.counters["functions"] = ranking.functions;
    state.counters["best found"] = best.found;
    state.counters["second matching"] = ranking.modules.value(1).matching;
}

} // namespace

BENCHMARK(FindModule)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

BENCHMARK_MAIN();

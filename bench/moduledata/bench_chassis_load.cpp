// Hex text and the chassis choice over keyword files of 4 MB, the size of a large
// chassis. A plain memcpy of the same data runs in the same process as the yardstick.
#include "moduledata/chassis_data.h"
#include "moduledata/hex_text.h"
#include "moduledata/module_data.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

constexpr qsizetype kKeywordFileSize = 4 * 1024 * 1024;

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(seed);
    generator.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

// A DATEN folder with chassis "BIG": two 4 MB keyword files and one module file.
struct BigChassis {
    QTemporaryDir dir;
    QString ncs = dir.filePath(QStringLiteral("NCSEXPER"));

    BigChassis()
    {
        const QString folder = ncs + QStringLiteral("/DATEN/BIG/");
        QDir().mkpath(folder);
        write(folder + QStringLiteral("SWTFSW01.DAT"), randomBytes(kKeywordFileSize, 1));
        QByteArray values = randomBytes(kKeywordFileSize, 2);
        values.replace(16, 7, "KEYWORD");
        write(folder + QStringLiteral("SWTPSW01.DAT"), values);
        write(folder + QStringLiteral("LCM.C01"), "INDIVID");
    }

    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    }
};

void BM_TextToHex(benchmark::State& state)
{
    const QByteArray bytes = randomBytes(kKeywordFileSize, 3);
    for (auto _ : state) {
        QByteArray hex = HexText::TextToHex(bytes);
        benchmark::DoNotOptimize(hex.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_TextToHex)->Unit(benchmark::kMillisecond);

void BM_Memcpy(benchmark::State& state)
{
    const QByteArray bytes = randomBytes(kKeywordFileSize, 3);
    std::vector<char> target(static_cast<std::size_t>(bytes.size()));
    for (auto _ : state) {
        std::memcpy(target.data(), bytes.constData(), target.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

// The whole chassis choice: listing, reading both files, hex text of the value keywords.
void BM_LoadChassis(benchmark::State& state)
{
    BigChassis chassis;
    ModuleData data;
    for (auto _ : state) {
        const auto modules = LoadChassis(chassis.ncs, QStringLiteral("BIG"), data);
        if (!modules)
            state.SkipWithError(qPrintable(modules.error()));
        benchmark::DoNotOptimize(data.PswHex.data());
    }
    state.SetBytesProcessed(state.iterations() * 2 * kKeywordFileSize);
}
BENCHMARK(BM_LoadChassis)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

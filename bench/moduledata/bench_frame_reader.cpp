// The module reader on a generated chassis of realistic size: a module of 6,000 functions
// (about 400 KB, the size of the large modules "Find module" is measured on), a function
// keyword file of 1 MB and a value keyword file of 4 MB. The target: the largest module and
// both keyword files read, every check byte verified, in under 20 ms.
#include "frame_chassis.h"
#include "moduledata/frame_file.h"
#include "moduledata/module_structure.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QStringList kFiles = {QStringLiteral("M.C01"), QStringLiteral("SWTFSW01.DAT"), QStringLiteral("SWTPSW01.DAT")};

struct BigChassis {
    QTemporaryDir dir;
    QString ncs = dir.filePath(QStringLiteral("NCSEXPER"));
    QString folder = ncs + QStringLiteral("/DATEN/BIG/");
    qint64 bytes = 0;

    BigChassis()
    {
        QDir().mkpath(folder);
        FrameChassis::Chassis chassis = FrameChassis::generate(1, 6000);
        // Keywords no module uses, rows of about 40 bytes, up to 1 MB and 4 MB.
        for (const auto& [name, size] :
             {std::pair{QStringLiteral("SWTFSW01.DAT"), 1 << 20}, std::pair{QStringLiteral("SWTPSW01.DAT"), 4 << 20}}) {
            QByteArray& file = chassis.files[name];
            for (int i = 0; file.size() < size; ++i)
                file += FrameChassis::frame(0x0001, QByteArray(1, char(i & 0xFF)) + char(i >> 8 & 0xFF) + "FUELLER_"
                                                        + QByteArray::number(i).leftJustified(24, 'X') + '\0');
        }
        for (auto it = chassis.files.cbegin(); it != chassis.files.cend(); ++it) {
            QFile file(folder + it.key());
            if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size())
                qFatal("cannot write %s", qPrintable(file.fileName()));
            bytes += it.value().size();
        }
    }
};

BigChassis& chassis()
{
    static BigChassis big;
    return big;
}

// The three files read from disk and checked frame by frame.
void BM_ReadThreeFiles(benchmark::State& state)
{
    BigChassis& big = chassis();
    for (auto _ : state) {
        for (const QString& name : kFiles) {
            QFile file(big.folder + name);
            if (!file.open(QIODevice::ReadOnly))
                state.SkipWithError("cannot open");
            const Result<FrameFile> read = FrameFile::read(file.readAll(), name);
            if (!read)
                state.SkipWithError(qPrintable(read.error()));
            benchmark::DoNotOptimize(read.ok());
        }
    }
    state.SetBytesProcessed(state.iterations() * big.bytes);
}
BENCHMARK(BM_ReadThreeFiles)->Unit(benchmark::kMillisecond);

// Everything "Explain function…" needs: the files read, the keyword tables and the module's
// functions with their values, bytes and shared bits.
void BM_ReadModuleStructure(benchmark::State& state)
{
    BigChassis& big = chassis();
    for (auto _ : state) {
        const Result<ModuleStructure> module = ReadModuleStructure(big.ncs, QStringLiteral("BIG"), kFiles[0]);
        if (!module)
            state.SkipWithError(qPrintable(module.error()));
        benchmark::DoNotOptimize(module.ok());
    }
    state.SetBytesProcessed(state.iterations() * big.bytes);
}
BENCHMARK(BM_ReadModuleStructure)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// Arbitrary keyword and module files in a chassis folder of DATEN, read as a chassis and a
// module choice read them, then every module ranked for a small trace. The hex text holds
// exactly the bytes from the documented start on and reads back to them; the ranking
// lists every module once, best first, with counts that fit the trace.

#include "fuzz_support.h"
#include "moduledata/chassis_data.h"
#include "moduledata/hex_text.h"
#include "moduledata/module_data.h"
#include "moduledata/module_ranking.h"

#include <algorithm>
#include <utility>

namespace {

QByteArray plainHex(const QByteArray& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    QByteArray hex;
    hex.reserve(bytes.size() * 3);
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        hex.append(digits[code >> 4]).append(digits[code & 15]).append(' ');
    }
    hex.chop(1);
    return hex;
}

QStringList wordsOf(const QByteArray& bytes)
{
    QStringList words;
    for (const QByteArray& word : bytes.split('\0'))
        if (!word.isEmpty() && word.size() < 40)
            words.append(QString::fromLatin1(word));
    return words;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QByteArray fsw = Fuzz::take(input, 1024);
    QByteArray psw = Fuzz::take(input, 1024);
    if (input.ConsumeBool())
        psw.insert(input.ConsumeIntegralInRange<qsizetype>(0, psw.size()), "KEYWORD");
    const QByteArray moduleA = Fuzz::take(input, 2048);
    const QByteArray moduleB = Fuzz::take(input, 2048);
    const QStringList trace = Fuzz::traceLines(input, wordsOf(fsw), 16);

    // The readers only read, and every input writes the same four files again: the folder
    // is made once.
    static const QString folderNCS = Fuzz::freshFolder(QStringLiteral("NCSEXPER"));
    const QString chassis = QStringLiteral("E60");
    const QString folder = folderNCS + QStringLiteral("/DATEN/E60/");
    Fuzz::writeFile(folder + QStringLiteral("SWTFSW01.DAT"), fsw);
    Fuzz::writeFile(folder + QStringLiteral("SWTPSW01.DAT"), psw);
    Fuzz::writeFile(folder + QStringLiteral("A.C01"), moduleA);
    Fuzz::writeFile(folder + QStringLiteral("b.c02"), moduleB);

    ModuleData moduleData;
    const Result<QStringList> modules = LoadChassis(folderNCS, chassis, moduleData);
    const qsizetype keyword = psw.indexOf("KEYWORD");
    Fuzz::check(modules.ok() == (keyword >= 0), "the chassis loads without KEYWORD or fails with it",
                modules.ok() ? QString() : modules.error());
    Fuzz::check(moduleData.FswData == fsw, "the function keywords are not the file");
    if (!modules)
        return 0;
    Fuzz::check(modules.value() == QStringList{QStringLiteral("A.C01"), QStringLiteral("b.c02")}, "wrong modules",
                modules.value().join(u'|'));
    Fuzz::check(moduleData.PswBytes == psw.mid(keyword) && moduleData.PswHex == plainHex(moduleData.PswBytes),
                "the value keywords are not the file from KEYWORD on");

    for (const auto& [name, module] : {std::pair(modules->at(0), moduleA), std::pair(modules->at(1), moduleB)}) {
        Fuzz::check(LoadModule(folderNCS, chassis, name, moduleData).ok(), "the module does not load");
        const qsizetype mark = module.indexOf("INDIVID");
        const QByteArray expected = module.mid(mark >= 0 ? mark + 20 : 19);
        Fuzz::check(moduleData.ModuleBytes == expected && moduleData.ModuleHex == plainHex(expected),
                    "the module data does not start where it must");
        Fuzz::check(HexText::HexToText(moduleData.ModuleHex) == expected, "the hex text does not read back");
    }

    const Result<ModuleRanking> ranking = RankModules(folderNCS, chassis, trace, {1, nullptr, nullptr});
    // A trace whose function lines are all empty names nothing to rank by and is refused.
    const bool namesAFunction = std::any_of(
        trace.cbegin(), trace.cend(), [](const QString& line) { return !line.isEmpty() && !line.startsWith(u'\t'); });
    Fuzz::check(ranking.ok() == namesAFunction, "a readable chassis is ranked or refused wrongly",
                ranking.ok() ? QString() : ranking.error());
    if (!ranking)
        return 0;
    const auto functions =
        std::count_if(trace.cbegin(), trace.cend(), [](const QString& line) { return !line.startsWith(u'\t'); });
    Fuzz::check(ranking->functions == functions && ranking->modules.size() == 2 && !ranking->cancelled,
                "the ranking does not cover the trace and both modules");
    for (qsizetype i = 0; i < ranking->modules.size(); ++i) {
        const ModuleFit& fit = ranking->modules[i];
        const QByteArray& module = fit.module == modules->at(0) ? moduleA : moduleB;
        const qsizetype mark = module.indexOf("INDIVID");
        // Only a file without bytes after the data's start has nothing to search.
        Fuzz::check(fit.error.isEmpty() == (module.size() > (mark >= 0 ? mark + 20 : 19)),
                    "a module is wrongly refused or searched", DescribeModuleLacks(fit).join(u'\n'));
        Fuzz::check(fit.matching <= fit.found && fit.found <= functions, "a module's counts do not fit the trace",
                    fit.module);
        Fuzz::check(i == 0 || !RanksBefore(fit, ranking->modules[i - 1]), "the ranking is not best first");
    }
    return 0;
}

#include "moduledata/module_ranking.h"

#include "moduledata/chassis_data.h"
#include "moduledata/module_data.h"
#include "moduledata/possible_values.h"
#include "moduledata/value_search.h"
#include "trace/trace_functions.h"

#include <QCoreApplication>
#include <QDir>
#include <QScopeGuard>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <vector>

bool RanksBefore(const ModuleFit& a, const ModuleFit& b)
{
    const bool aFailed = !a.error.isEmpty();
    const bool bFailed = !b.error.isEmpty();
    if (aFailed != bFailed)
        return bFailed;
    if (!aFailed) {
        if (a.matching != b.matching)
            return a.matching > b.matching;
        if (a.found != b.found)
            return a.found > b.found;
    }
    return a.module.compare(b.module, Qt::CaseInsensitive) < 0
           || (a.module.compare(b.module, Qt::CaseInsensitive) == 0 && a.module < b.module);
}

namespace {

QString namesText(const QStringList& names, int shown)
{
    QString text = names.mid(0, shown).join(QStringLiteral(", "));
    if (names.size() > shown)
        text += QCoreApplication::translate("ModuleRanking", " and %1 more").arg(names.size() - shown);
    return text;
}

} // namespace

QStringList DescribeModuleLacks(const ModuleFit& fit, int shown)
{
    if (!fit.error.isEmpty())
        return {
            QCoreApplication::translate("ModuleRanking", "%1 could not be searched: %2").arg(fit.module, fit.error)};
    if (fit.missingFunctions.isEmpty() && fit.unknownValues.isEmpty())
        return {QCoreApplication::translate("ModuleRanking",
                                            "%1 has every function of the trace and knows every current value.")
                    .arg(fit.module)};
    QStringList lines{fit.module + u':'};
    if (!fit.missingFunctions.isEmpty())
        lines.append(QCoreApplication::translate("ModuleRanking", "Functions of the trace it does not have (%1): %2")
                         .arg(QString::number(fit.missingFunctions.size()), namesText(fit.missingFunctions, shown)));
    if (!fit.unknownValues.isEmpty())
        lines.append(
            QCoreApplication::translate("ModuleRanking", "Functions whose current value it does not know (%1): %2")
                .arg(QString::number(fit.unknownValues.size()), namesText(fit.unknownValues, shown)));
    return lines;
}

ModuleFit FitModule(const ModuleData& keywords, const QString& folderNCS, const QString& chassis, const QString& module,
                    const QStringList& traceLines, QHash<QByteArray, QString>& valueNames)
{
    ModuleFit fit;
    fit.module = module;
    ModuleData data = keywords;
    const Status loaded = LoadModule(folderNCS, chassis, module, data);
    // The value names come from the chassis's value keywords, the same for every module.
    data.ValueNames = valueNames;
    const auto keepNames = qScopeGuard([&] { valueNames = data.ValueNames; });
    if (!loaded) {
        fit.error = loaded.error();
        return fit;
    }
    if (data.ModuleBytes.isEmpty()) {
        fit.error = QCoreApplication::translate("ModuleRanking", "no module data in the file");
        return fit;
    }
    const QList<TraceFunction> functions = SplitTraceFunctions(traceLines);
    QStringList functionLines;
    for (const TraceFunction& function : functions)
        functionLines.append(function.line);
    ValueSearch search(data, functionLines);
    // The calibration starts where the module's first function of the trace lies, as after
    // an earlier good run: from 0, a module sharing only a few functions with the trace
    // would vote for "not found" and show none of those it has.
    int start = 0;
    for (const TraceFunction& function : functions) {
        if (const std::optional<int> distance = search.probeMarkerDistance(function.line)) {
            start = *distance;
            break;
        }
    }
    const int markerDistance = CalibrateMarkerDistance(search, traceLines, start);
    for (const TraceFunction& function : functions) {
        const FunctionValues values = search.findValues(function.line, markerDistance);
        if (!values.error.isEmpty()) {
            fit.missingFunctions.append(function.line);
            continue;
        }
        ++fit.found;
        if (std::all_of(function.values.cbegin(), function.values.cend(),
                        [&values](const QString& value) { return values.names.contains(value); }))
            ++fit.matching;
        else
            fit.unknownValues.append(function.line);
    }
    return fit;
}

Result<ModuleRanking> RankModules(const QString& folderNCS, const QString& chassis, const QStringList& traceLines,
                                  const RankingControl& control)
{
    // Without a named function every module would rank "0 0", which looks like an answer.
    const QList<TraceFunction> functions = SplitTraceFunctions(traceLines);
    if (std::none_of(functions.cbegin(), functions.cend(), [](const TraceFunction& f) { return !f.line.isEmpty(); }))
        return Result<ModuleRanking>::failure(
            QCoreApplication::translate("ModuleRanking", "The trace holds no functions."));
    const QString folder = chassisFolder(folderNCS, chassis);
    if (chassis.isEmpty() || !QDir(folder).exists())
        return Result<ModuleRanking>::failure(
            QCoreApplication::translate("ModuleRanking", "%1 not found.").arg(folder));
    ModuleData keywords;
    const Status read = LoadKeywordFiles(folderNCS, chassis, keywords);
    if (!read)
        return Result<ModuleRanking>::failure(read.error());

    const QStringList modules = ChassisModules(folderNCS, chassis);
    // Each worker writes only the slots of the modules it took.
    std::vector<ModuleFit> fits(static_cast<std::size_t>(modules.size()));
    std::vector<char> done(fits.size(), 0);
    std::atomic<int> next{0};
    std::atomic<int> finished{0};
    const auto cancelled = [&control] { return control.cancel && control.cancel->load(); };
    // The modules are independent: each worker takes the next one until none is left.
    const auto work = [&] {
        QHash<QByteArray, QString> valueNames; // kept from module to module
        for (int i = next++; i < modules.size() && !cancelled(); i = next++) {
            fits[std::size_t(i)] = FitModule(keywords, folderNCS, chassis, modules[i], traceLines, valueNames);
            done[std::size_t(i)] = 1;
            const int count = ++finished;
            if (control.progress)
                control.progress(count, static_cast<int>(modules.size()));
        }
    };
    // The calling thread is one of the workers: with one thread (or one module) no other
    // thread is started at all.
    const qsizetype threads = std::min<qsizetype>(
        std::max(1, control.threads > 0 ? control.threads : QThread::idealThreadCount()), modules.size());
    QThreadPool pool;
    pool.setMaxThreadCount(static_cast<int>(std::max<qsizetype>(1, threads - 1)));
    for (qsizetype t = 1; t < threads; ++t)
        pool.start(work);
    work();
    pool.waitForDone();

    ModuleRanking ranking;
    ranking.functions = static_cast<int>(SplitTraceFunctions(traceLines).size());
    for (std::size_t i = 0; i < fits.size(); ++i) {
        if (done[i])
            ranking.modules.append(fits[i]);
    }
    ranking.cancelled = ranking.modules.size() < modules.size();
    std::sort(ranking.modules.begin(), ranking.modules.end(), RanksBefore);
    return ranking;
}

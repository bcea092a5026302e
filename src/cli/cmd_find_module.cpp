#include "cli/cli_command.h"
#include "cli/cli_trace.h"
#include "moduledata/module_ranking.h"
#include "trace/trace_session.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

struct FindModuleOptions {
    QString folderNCS;
    QString chassis;
    QString trace;
    bool json = false;
};

void printJson(const ModuleRanking& ranking, QTextStream& out)
{
    QJsonArray array;
    for (const ModuleFit& fit : ranking.modules) {
        QJsonObject object;
        object.insert(QStringLiteral("module"), fit.module);
        object.insert(QStringLiteral("matching"), fit.matching);
        object.insert(QStringLiteral("found"), fit.found);
        object.insert(QStringLiteral("functions"), ranking.functions);
        object.insert(QStringLiteral("error"), fit.error.isEmpty() ? QJsonValue() : QJsonValue(fit.error));
        object.insert(QStringLiteral("missing"), QJsonArray::fromStringList(fit.missingFunctions));
        object.insert(QStringLiteral("unknownValues"), QJsonArray::fromStringList(fit.unknownValues));
        array.append(object);
    }
    out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}

} // namespace

// quillon-cli find-module: the modules of a chassis ranked for a trace, as "Find module for
// this trace" ranks them. Tab-separated lines: file name, matching, found[, reason].
int runFindModule(const CommandLine& line, QTextStream& out, QTextStream& err)
{
    const FindModuleOptions options{line.value("--ncs"), line.value("--chassis"), line.arguments().first(),
                                    line.isSet("--json")};
    // The trace must load as the window loads it, or the counts mean nothing.
    TraceSession session;
    if (!loadTraceForCommand(options.trace, session, err))
        return 2;
    const Result<ModuleRanking> ranking = RankModules(options.folderNCS, options.chassis, session.TraceLines);
    if (!ranking) {
        err << ranking.error() << '\n';
        return 2;
    }
    if (options.json) {
        printJson(ranking.value(), out);
        return 0;
    }
    for (const ModuleFit& fit : ranking->modules) {
        out << fit.module << '\t' << fit.matching << '\t' << fit.found;
        if (!fit.error.isEmpty())
            out << '\t' << fit.error;
        out << '\n';
    }
    return 0;
}

#include "cli/cli_trace.h"
#include "moduledata/module_ranking.h"
#include "trace/trace_functions.h"
#include "trace/trace_session.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

namespace {

struct FindModuleOptions {
    QString folderNCS;
    QString chassis;
    QString trace;
    bool json = false;
};

const char kUsage[] = "Usage: quillon-cli find-module --ncs <folder> --chassis <name> [--json] <trace file>\n";

bool parse(const QStringList& args, FindModuleOptions& options, QTextStream& err)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        QString* target = arg == u"--ncs" ? &options.folderNCS : arg == u"--chassis" ? &options.chassis : nullptr;
        if (target) {
            if (i + 1 >= args.size()) {
                err << "find-module: " << arg << " needs a value.\n";
                return false;
            }
            *target = args[++i];
        } else if (arg == u"--json") {
            options.json = true;
        } else if (arg.startsWith(u"--")) {
            err << "find-module: unknown option " << arg << ".\n";
            return false;
        } else if (options.trace.isEmpty()) {
            options.trace = arg;
        } else {
            err << "find-module: only one trace file, please.\n";
            return false;
        }
    }
    if (options.folderNCS.isEmpty() || options.chassis.isEmpty() || options.trace.isEmpty()) {
        err << kUsage;
        return false;
    }
    return true;
}

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
        array.append(object);
    }
    out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}

} // namespace

// quillon-cli find-module: the modules of a chassis ranked for a trace, as "Find module for
// this trace" ranks them. Tab-separated lines: file name, matching, found[, reason].
int runFindModule(const QStringList& args, QTextStream& out, QTextStream& err)
{
    FindModuleOptions options;
    if (!parse(args, options, err))
        return 2;
    // The trace must load as the window loads it, or the counts mean nothing.
    TraceSession session;
    if (!loadTraceForCommand(options.trace, session, err))
        return 2;
    // Without a named function every module would rank "0 0", which looks like an answer.
    const QList<TraceFunction> functions = SplitTraceFunctions(session.TraceLines);
    if (std::none_of(functions.cbegin(), functions.cend(), [](const TraceFunction& f) { return !f.line.isEmpty(); })) {
        err << options.trace << ": the trace holds no functions.\n";
        return 2;
    }
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

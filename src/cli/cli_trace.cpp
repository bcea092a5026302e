#include "cli/cli_trace.h"

#include "trace/trace_loader.h"
#include "trace/trace_session.h"

bool loadTraceForCommand(const QString& path, TraceSession& session, QTextStream& err)
{
    const Result<QStringList> lines = ReadTraceFile(path);
    if (!lines) {
        err << lines.error() << '\n';
        return false;
    }
    const QString built = BuildTraceTree(session.tree(), lines.value(), &session.TraceLines);
    if (!built.isEmpty()) {
        err << path << ": " << built << '\n';
        return false;
    }
    return true;
}

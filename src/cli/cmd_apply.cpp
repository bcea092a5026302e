#include "cli/cli_command.h"
#include "coding/manipulation_lines.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "trace/apply_values.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"

#include <QTextStream>

namespace {

struct ApplyOptions {
    QString from;
    QString output;
    QString current;
};

} // namespace

// quillon-cli apply: the MAN file that "Save MAN-file" would write after the values of the
// wanted trace were applied to the current one. The traces themselves are only read.
int runApply(const CommandLine& line, QTextStream& out, QTextStream& err)
{
    const ApplyOptions options{line.value("--from"), line.value("--output"), line.arguments().first()};
    if (Paths::sameFile(options.output, options.current) || Paths::sameFile(options.output, options.from)) {
        err << "apply: the MAN file must not be one of the traces.\n";
        return 2;
    }

    const Result<QStringList> currentLines = ReadTraceFile(options.current);
    const Result<QStringList> wantedLines = ReadTraceFile(options.from);
    if (!currentLines || !wantedLines) {
        err << (currentLines ? wantedLines.error() : currentLines.error()) << '\n';
        return 2;
    }
    TraceSession session;
    if (const QString error = BuildTraceTree(session.tree(), currentLines.value(), &session.TraceLines);
        !error.isEmpty()) {
        err << options.current << ":\n" << error << '\n';
        return 2;
    }
    const Result<QList<TraceFunction>> wanted = ReadTraceFunctions(wantedLines.value());
    if (!wanted) {
        err << options.from << ":\n" << wanted.error() << '\n';
        return 2;
    }

    const ApplyValues::Outcome outcome = ApplyValues::ApplyTraceValues(session, wanted.value(), {});
    if (const Status written = TextFile::writeLinesAtomically(options.output, BuildManipulationLines(session.tree()));
        !written) {
        err << written.error() << '\n';
        return 2;
    }
    for (const QString& line : outcome.report())
        out << line << '\n';
    return outcome.complete() ? 0 : 1;
}

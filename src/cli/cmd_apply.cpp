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

const char kUsage[] = "Usage: quillon-cli apply --from <wanted trace> --output <MAN file> <current trace>\n";

bool parse(const QStringList& args, ApplyOptions& options, QTextStream& err)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        QString* target = arg == u"--from" ? &options.from : arg == u"--output" ? &options.output : nullptr;
        if (target) {
            if (i + 1 >= args.size()) {
                err << "apply: " << arg << " needs a file name.\n";
                return false;
            }
            *target = args[++i];
        } else if (arg.startsWith(u"--")) {
            err << "apply: unknown option " << arg << ".\n";
            return false;
        } else if (options.current.isEmpty()) {
            options.current = arg;
        } else {
            err << "apply: only one current trace, please.\n";
            return false;
        }
    }
    if (options.from.isEmpty() || options.output.isEmpty() || options.current.isEmpty()) {
        err << kUsage;
        return false;
    }
    return true;
}

} // namespace

// quillon-cli apply: the MAN file that "Save MAN-file" would write after the values of the
// wanted trace were applied to the current one. The traces themselves are only read.
int runApply(const QStringList& args, QTextStream& out, QTextStream& err)
{
    ApplyOptions options;
    if (!parse(args, options, err))
        return 2;
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

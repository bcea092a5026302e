#include "cli/cli_command.h"
#include "cli/cli_trace.h"
#include "coding/translation_coverage.h"
#include "coding/translation_table.h"
#include "common/paths.h"
#include "trace/trace_session.h"

#include <QTextStream>

namespace {

struct TranslationsOptions {
    QString table;
    QString missing;
    QString trace;
};

} // namespace

// quillon-cli translations: how much of a trace Translations.csv covers, and the missing
// names as lines to paste into it, as the "Translation report" window writes them.
int runTranslations(const CommandLine& line, QTextStream& out, QTextStream& err)
{
    const TranslationsOptions options{line.value("--table"), line.value("--missing"), line.arguments().first()};
    // The table is guarded where the names are written, for the window as well.
    if (!options.missing.isEmpty() && Paths::sameFile(options.missing, options.trace)) {
        err << "translations: the missing names must not go into the trace.\n";
        return 2;
    }
    // The trace as the window loads it, so the report counts what the window would.
    TraceSession session;
    if (!loadTraceForCommand(options.trace, session, err))
        return 2;
    const Result<TranslationTable> table = readTranslationTable(options.table);
    if (!table) {
        err << table.error() << '\n';
        return 2;
    }
    const TranslationCoverage coverage = MeasureTranslationCoverage(session.TraceLines, table.value());
    for (const QString& line : DescribeTranslationCoverage(coverage))
        out << line << '\n';
    if (!options.missing.isEmpty()) {
        const Status written = ExportMissingTranslations(options.missing, coverage, options.table);
        if (!written) {
            err << written.error() << '\n';
            return 2;
        }
        out << "missing: " << MissingTranslationLines(coverage).size() << " names written to " << options.missing
            << '\n';
    }
    return 0;
}

#include "cli/cli_command.h"
#include "coding/translation_coverage.h"
#include "coding/translation_table.h"
#include "common/text_file.h"

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
    const Result<QStringList> trace = TextFile::readLines(options.trace);
    if (!trace) {
        err << trace.error() << '\n';
        return 2;
    }
    const Result<TranslationTable> table = readTranslationTable(options.table);
    if (!table) {
        err << table.error() << '\n';
        return 2;
    }
    const TranslationCoverage coverage = MeasureTranslationCoverage(trace.value(), table.value());
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

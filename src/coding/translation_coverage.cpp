#include "coding/translation_coverage.h"

#include "coding/translation_table.h"
#include "common/ansi_codec.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "trace/trace_functions.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace {

bool namesBefore(const QString& a, const QString& b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

// Counts the distinct names and collects the untranslated ones.
void measure(const QStringList& names, const TranslationTable& table, int& total, int& translated, QStringList& missing)
{
    QSet<QString> seen;
    for (const QString& name : names) {
        if (name.isEmpty() || seen.contains(name.toCaseFolded()))
            continue;
        seen.insert(name.toCaseFolded());
        ++total;
        if (!table.lookup(name).isEmpty())
            ++translated;
        else
            missing.append(name);
    }
    std::sort(missing.begin(), missing.end(), namesBefore);
}

} // namespace

TranslationCoverage MeasureTranslationCoverage(const QStringList& traceLines, const TranslationTable& table)
{
    QStringList functions;
    QStringList values;
    for (const TraceFunction& function : SplitTraceFunctions(traceLines)) {
        functions.append(function.line);
        values += function.values;
    }
    TranslationCoverage coverage;
    measure(functions, table, coverage.functions, coverage.translatedFunctions, coverage.missingFunctions);
    measure(values, table, coverage.values, coverage.translatedValues, coverage.missingValues);
    return coverage;
}

QStringList DescribeTranslationCoverage(const TranslationCoverage& coverage)
{
    return {QCoreApplication::translate("TranslationCoverage", "functions: %1 of %2 translated")
                .arg(coverage.translatedFunctions)
                .arg(coverage.functions),
            QCoreApplication::translate("TranslationCoverage", "values: %1 of %2 translated")
                .arg(coverage.translatedValues)
                .arg(coverage.values)};
}

QStringList MissingTranslationLines(const TranslationCoverage& coverage)
{
    QStringList names = coverage.missingFunctions + coverage.missingValues;
    std::sort(names.begin(), names.end(), namesBefore);
    QStringList lines;
    QSet<QString> seen;
    for (const QString& name : names) {
        if (name.contains(u',') || seen.contains(name.toCaseFolded()))
            continue;
        seen.insert(name.toCaseFolded());
        lines.append(name + u',');
    }
    return lines;
}

QByteArray tableLineEnd(const QString& tablePath)
{
    const Result<QByteArray> bytes = TextFile::readBytes(tablePath, FileKinds::TranslationTable);
    if (!bytes)
        return QByteArrayLiteral("\r\n");
    const qsizetype end = bytes.value().indexOf('\n');
    const qsizetype cr = bytes.value().indexOf('\r');
    if (cr >= 0 && (end < 0 || cr < end))
        return cr + 1 == end ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\r");
    return end >= 0 ? QByteArrayLiteral("\n") : QByteArrayLiteral("\r\n");
}

Status ExportMissingTranslations(const QString& path, const TranslationCoverage& coverage, const QString& tablePath)
{
    // Writing the missing names over the table would lose every translation in it.
    if (Paths::sameFile(path, tablePath))
        return Status::failure(Paths::describeFileError(
            path, QCoreApplication::translate("TranslationCoverage", "this is the translation table itself")));
    const QByteArray lineEnd = tableLineEnd(tablePath);
    QByteArray bytes;
    for (const QString& line : MissingTranslationLines(coverage))
        bytes += Ansi::encode(line) + lineEnd;
    return TextFile::writeBytesAtomically(path, bytes);
}

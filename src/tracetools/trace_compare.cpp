#include "tracetools/trace_compare.h"

#include <limits>

namespace TraceCompare {

namespace {

// The count is a 16-bit number in the tools' own convention; beyond that it overflows.
constexpr int kMaxDifferences = std::numeric_limits<qint16>::max();

const QString kFile1 = QStringLiteral("File 1 --> ");
const QString kFile2 = QStringLiteral("File 2 --> ");

QString withoutTabs(QString line)
{
    return line.remove(u'\t');
}

} // namespace

QString lengthMismatchLine()
{
    return QStringLiteral("Comparison not possible, trace files do not match!");
}

QString countLine(int differences)
{
    return QString::number(differences)
           + (differences == 1 ? QStringLiteral(" difference") : QStringLiteral(" differences"));
}

QStringList file1Header(const QString& path1)
{
    return {QStringLiteral("Trace differences:"), QString(), kFile1 + path1};
}

QStringList file2Header(const QString& path2)
{
    return {kFile2 + path2, QString()};
}

TraceComparison compareLines(const QStringList& CompareLines1, const QStringList& CompareLines2)
{
    TraceComparison result;
    if (CompareLines1.size() != CompareLines2.size()) {
        result.outcome = TraceComparison::Outcome::LengthMismatch;
        result.lines.append(lengthMismatchLine());
        return result;
    }

    for (qsizetype i = 0; i < CompareLines1.size(); ++i) {
        const QString& line1 = CompareLines1[i];
        const QString& line2 = CompareLines2[i];
        if (line1 == line2)
            continue;
        if (result.differences == kMaxDifferences) {
            result.outcome = TraceComparison::Outcome::Failed;
            result.error = QStringLiteral("More than %1 differences: the count overflows.").arg(kMaxDifferences);
            return result;
        }
        ++result.differences;

        // Starts one line above, also when the differing line is a function line itself.
        const QString* functionLine = nullptr;
        for (qsizetype j = 1; j <= kLookBack; ++j) {
            if (i - j < 0) {
                result.outcome = TraceComparison::Outcome::Failed;
                result.error = QStringLiteral("Line %1 differs, and there is no function line above it.").arg(i + 1);
                return result;
            }
            if (!CompareLines1[i - j].startsWith(u'\t')) {
                functionLine = &CompareLines1[i - j];
                break;
            }
        }
        // Counted, but with no function in reach there is nothing to list it under.
        if (!functionLine)
            continue;
        result.lines << *functionLine << kFile1 + withoutTabs(line1) << kFile2 + withoutTabs(line2) << QString();
    }
    result.lines.append(countLine(result.differences));
    return result;
}

} // namespace TraceCompare

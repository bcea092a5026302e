#include "tracetools/trace_compare.h"

#include <QCoreApplication>
#include <QSet>

#include <limits>

namespace TraceCompare {

namespace {

// The count is a 16-bit number in the tools' own convention; beyond that it overflows.
constexpr int kMaxDifferences = std::numeric_limits<qint16>::max();

const QString kFile1 = QStringLiteral("File 1 --> ");
const QString kFile2 = QStringLiteral("File 2 --> ");

QString functionCount(qsizetype count)
{
    return QString::number(count) + (count == 1 ? QStringLiteral(" function") : QStringLiteral(" functions"));
}

// The function lines in file order, each once; an empty line is no function.
QStringList functionLines(const QStringList& lines)
{
    QStringList functions;
    QSet<QString> seen;
    for (const QString& line : lines) {
        if (!line.isEmpty() && !line.startsWith(u'\t') && !seen.contains(line)) {
            seen.insert(line);
            functions.append(line);
        }
    }
    return functions;
}

QString withoutTabs(QString line)
{
    return line.remove(u'\t');
}

} // namespace

QString lengthMismatchLine()
{
    return QStringLiteral("Comparison not possible, trace files do not match!");
}

QStringList functionsOnlyInOneLines(const QStringList& CompareLines1, const QStringList& CompareLines2)
{
    const QStringList functions1 = functionLines(CompareLines1);
    const QStringList functions2 = functionLines(CompareLines2);
    const QSet<QString> set1(functions1.cbegin(), functions1.cend());
    const QSet<QString> set2(functions2.cbegin(), functions2.cend());
    if (set1 == set2)
        return {QString(), QStringLiteral("Both files hold the same functions; their other lines differ in number.")};
    QStringList lines;
    const auto listOnly = [&lines](int file, const QStringList& functions, const QSet<QString>& other) {
        QStringList only;
        for (const QString& function : functions) {
            if (!other.contains(function))
                only.append(function);
        }
        lines << QString() << QStringLiteral("Only in file %1: %2").arg(file).arg(functionCount(only.size()));
        const QStringList shown = only.mid(0, kShownFunctions);
        lines += shown;
        if (shown.size() < only.size())
            lines.append(QStringLiteral("... and %1 more").arg(only.size() - shown.size()));
    };
    listOnly(1, functions1, set2);
    listOnly(2, functions2, set1);
    return lines;
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
        result.lines += functionsOnlyInOneLines(CompareLines1, CompareLines2);
        return result;
    }

    for (qsizetype i = 0; i < CompareLines1.size(); ++i) {
        const QString& line1 = CompareLines1[i];
        const QString& line2 = CompareLines2[i];
        if (line1 == line2)
            continue;
        if (result.differences == kMaxDifferences) {
            result.outcome = TraceComparison::Outcome::Failed;
            result.error = QCoreApplication::translate("TraceCompare", "More than %1 differences: the count overflows.")
                               .arg(kMaxDifferences);
            return result;
        }
        ++result.differences;

        // Starts one line above, also when the differing line is a function line itself.
        const QString* functionLine = nullptr;
        for (qsizetype j = 1; j <= kLookBack; ++j) {
            if (i - j < 0) {
                result.outcome = TraceComparison::Outcome::Failed;
                result.error = QCoreApplication::translate("TraceCompare",
                                                           "Line %1 differs, and there is no function line above it.")
                                   .arg(i + 1);
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

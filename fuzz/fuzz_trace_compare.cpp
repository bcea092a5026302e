// Two traces from arbitrary bytes, the second often the first with a few lines changed,
// compared line by line. The outcome must be what a plain reading gives: a length
// mismatch only for different line counts, every differing line counted, listed under the
// nearest function line within reach above it, and a stop only where the search for that
// line would pass the first line.

#include "common/text_file.h"
#include "fuzz_support.h"
#include "tracetools/trace_compare.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QStringList first = TextFile::splitLines(Fuzz::take(input, 4096));
    QStringList second = first;
    if (input.ConsumeBool()) {
        second = TextFile::splitLines(Fuzz::take(input, 4096));
    } else {
        for (int changes = input.ConsumeIntegralInRange(0, 8); changes > 0 && !second.isEmpty(); --changes)
            second[input.ConsumeIntegralInRange<qsizetype>(0, second.size() - 1)] =
                Fuzz::traceLines(input, first, 1).value(0);
    }

    const TraceComparison result = TraceCompare::compareLines(first, second);
    if (first.size() != second.size()) {
        // The mismatch line first; what follows names the functions only one trace has.
        Fuzz::check(result.outcome == TraceComparison::Outcome::LengthMismatch
                        && result.lines.value(0) == TraceCompare::lengthMismatchLine()
                        && !result.lines.contains(TraceCompare::countLine(result.differences)),
                    "different lengths not reported as such");
        return 0;
    }

    QStringList expected;
    int differences = 0;
    for (qsizetype i = 0; i < first.size(); ++i) {
        if (first[i] == second[i])
            continue;
        ++differences;
        qsizetype above = i - 1;
        while (above >= 0 && i - above <= TraceCompare::kLookBack && first[above].startsWith(u'\t'))
            --above;
        if (i - above > TraceCompare::kLookBack)
            continue;
        if (above < 0) {
            Fuzz::check(result.outcome == TraceComparison::Outcome::Failed && result.lines == expected
                            && result.error.contains(QString::number(i + 1)),
                        "no stop where the search passes the first line", result.lines.join(u'\n'));
            return 0;
        }
        expected << first[above] << QStringLiteral("File 1 --> ") + QString(first[i]).remove(u'\t')
                 << QStringLiteral("File 2 --> ") + QString(second[i]).remove(u'\t') << QString();
    }
    expected << TraceCompare::countLine(differences);
    Fuzz::check(result.outcome == TraceComparison::Outcome::Compared && result.differences == differences
                    && result.lines == expected,
                "the comparison differs from a plain reading", result.lines.join(u'\n'));
    return 0;
}

#include "tracetools/trace_compare.h"

#include <QTest>

using Outcome = TraceComparison::Outcome;

namespace {

QStringList replaced(QStringList lines, qsizetype index, const QString& line)
{
    lines[index] = line;
    return lines;
}

const QStringList kTrace = {
    u"FUNKTION_A"_qs, u"\taktiv"_qs, u"FUNKTION_B"_qs, u"\t\twert_01"_qs, u"\t\twert_02"_qs, QString(),
    u"FUNKTION_C"_qs, u"\tnicht_aktiv"_qs,
};

} // namespace

class TestTraceCompare : public QObject {
    Q_OBJECT
private slots:
    void compare_data()
    {
        QTest::addColumn<QStringList>("file2");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("differences");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("identical") << kTrace << int(Outcome::Compared) << 0 << QStringList{u"0 differences"_qs};
        QTest::newRow("one changed value")
            << replaced(kTrace, 4, u"\t\twert_99"_qs) << int(Outcome::Compared) << 1
            << QStringList{u"FUNKTION_B"_qs, u"File 1 --> wert_02"_qs, u"File 2 --> wert_99"_qs, QString(),
                           u"1 difference"_qs};
        QTest::newRow("tabs only: listed with equal texts")
            << replaced(kTrace, 3, u"\twert_01"_qs) << int(Outcome::Compared) << 1
            << QStringList{u"FUNKTION_B"_qs, u"File 1 --> wert_01"_qs, u"File 2 --> wert_01"_qs, QString(),
                           u"1 difference"_qs};
        QTest::newRow("different length") << kTrace.mid(0, 7) << int(Outcome::LengthMismatch) << 0
                                          << QStringList{u"Comparison not possible, trace files do not match!"_qs};
        QTest::newRow("first line differs")
            << replaced(kTrace, 0, u"FUNKTION_Z"_qs) << int(Outcome::Failed) << 1 << QStringList();
    }
    void compare()
    {
        QFETCH(QStringList, file2);
        QFETCH(int, outcome);
        const TraceComparison result = TraceCompare::compareLines(kTrace, file2);
        QCOMPARE(int(result.outcome), outcome);
        QTEST(result.differences, "differences");
        QTEST(result.lines, "lines");
        QCOMPARE(result.error.isEmpty(), outcome != int(Outcome::Failed));
    }
};

QTEST_GUILESS_MAIN(TestTraceCompare)
#include "test_trace_compare.moc"

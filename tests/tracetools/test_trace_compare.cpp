#include "tracetools/trace_compare.h"

#include <QTest>

using Outcome = TraceComparison::Outcome;

namespace {

// A function with n value lines below it.
QStringList functionWithValues(const QString& name, int n)
{
    QStringList lines{name};
    for (int i = 1; i <= n; ++i)
        lines.append(QStringLiteral("\t\tvalue_%1").arg(i));
    return lines;
}

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
        QTest::addColumn<QStringList>("file1");
        QTest::addColumn<QStringList>("file2");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("differences");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("identical") << kTrace << kTrace << int(Outcome::Compared) << 0
                                   << QStringList{u"0 differences"_qs};
        QTest::newRow("empty files") << QStringList() << QStringList() << int(Outcome::Compared) << 0
                                     << QStringList{u"0 differences"_qs};
        QTest::newRow("one changed value")
            << kTrace << replaced(kTrace, 4, u"\t\twert_99"_qs) << int(Outcome::Compared) << 1
            << QStringList{u"FUNKTION_B"_qs, u"File 1 --> wert_02"_qs, u"File 2 --> wert_99"_qs, QString(),
                           u"1 difference"_qs};
        QTest::newRow("letter case counts")
            << kTrace << replaced(kTrace, 1, u"\tAktiv"_qs) << int(Outcome::Compared) << 1
            << QStringList{u"FUNKTION_A"_qs, u"File 1 --> aktiv"_qs, u"File 2 --> Aktiv"_qs, QString(),
                           u"1 difference"_qs};
        QTest::newRow("tabs only: listed with equal texts")
            << kTrace << replaced(kTrace, 3, u"\twert_01"_qs) << int(Outcome::Compared) << 1
            << QStringList{u"FUNKTION_B"_qs, u"File 1 --> wert_01"_qs, u"File 2 --> wert_01"_qs, QString(),
                           u"1 difference"_qs};
        QTest::newRow("differing function line goes under the one above")
            << kTrace << replaced(kTrace, 6, u"FUNKTION_X"_qs) << int(Outcome::Compared) << 1
            << QStringList{QString(), u"File 1 --> FUNKTION_C"_qs, u"File 2 --> FUNKTION_X"_qs, QString(),
                           u"1 difference"_qs};
        QTest::newRow("two differences")
            << kTrace << replaced(replaced(kTrace, 1, u"\tnicht_aktiv"_qs), 7, u"\taktiv"_qs)
            << int(Outcome::Compared) << 2
            << QStringList{u"FUNKTION_A"_qs, u"File 1 --> aktiv"_qs, u"File 2 --> nicht_aktiv"_qs, QString(),
                           u"FUNKTION_C"_qs, u"File 1 --> nicht_aktiv"_qs, u"File 2 --> aktiv"_qs, QString(),
                           u"2 differences"_qs};
        QTest::newRow("different length")
            << kTrace << kTrace.mid(0, 7) << int(Outcome::LengthMismatch) << 0
            << QStringList{u"Comparison not possible, trace files do not match!"_qs};
        QTest::newRow("first line differs")
            << kTrace << replaced(kTrace, 0, u"FUNKTION_Z"_qs) << int(Outcome::Failed) << 1 << QStringList();
        QTest::newRow("only value lines above")
            << QStringList{u"\ta"_qs, u"\tb"_qs, u"\tc"_qs} << QStringList{u"\ta"_qs, u"\tb"_qs, u"\tX"_qs}
            << int(Outcome::Failed) << 1 << QStringList();

        const QStringList twenty = functionWithValues(u"LONG"_qs, 20);
        QTest::newRow("function line exactly 20 above")
            << twenty << replaced(twenty, 20, u"\t\tchanged"_qs) << int(Outcome::Compared) << 1
            << QStringList{u"LONG"_qs, u"File 1 --> value_20"_qs, u"File 2 --> changed"_qs, QString(),
                           u"1 difference"_qs};
        const QStringList longer = functionWithValues(u"LONG"_qs, 21);
        QTest::newRow("function line 21 above: counted, not listed")
            << longer << replaced(longer, 21, u"\t\tchanged"_qs) << int(Outcome::Compared) << 1
            << QStringList{u"1 difference"_qs};
    }

    void compare()
    {
        QFETCH(QStringList, file1);
        QFETCH(QStringList, file2);
        QFETCH(int, outcome);
        QFETCH(int, differences);
        QFETCH(QStringList, lines);
        const TraceComparison result = TraceCompare::compareLines(file1, file2);
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(result.differences, differences);
        QCOMPARE(result.lines, lines);
        QCOMPARE(result.error.isEmpty(), outcome != int(Outcome::Failed));
    }

    void countOverflows()
    {
        // The count is 16-bit: the 32768th difference stops the comparison.
        QStringList file1{u"F"_qs};
        QStringList file2{u"F"_qs};
        for (int i = 0; i < 32768; ++i) {
            file1.append(u"\ta"_qs);
            file2.append(u"\tb"_qs);
        }
        const TraceComparison result = TraceCompare::compareLines(file1, file2);
        QCOMPARE(int(result.outcome), int(Outcome::Failed));
        QCOMPARE(result.differences, 32767);
        QVERIFY(!result.lines.contains(u"32767 differences"_qs));
    }

};

QTEST_GUILESS_MAIN(TestTraceCompare)
#include "test_trace_compare.moc"

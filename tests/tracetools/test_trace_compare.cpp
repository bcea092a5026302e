#include "tracetools/trace_compare.h"

#include <QTest>

// The command-line tests compare whole files end to end; here the cases they do not reach.
class TestTraceCompare : public QObject {
    Q_OBJECT
private slots:
    // Lines that differ only in their tabs are listed, with equal texts; every difference
    // comes under its function's line.
    void tabsAndSeveralValues()
    {
        const QStringList file1{u"F"_qs, u"\taktiv"_qs, u"\t\twert_01"_qs, u"G"_qs, u"\taus"_qs};
        const QStringList file2{u"F"_qs, u"\t\taktiv"_qs, u"\twert_02"_qs, u"G"_qs, u"\tein"_qs};
        const TraceComparison result = TraceCompare::compareLines(file1, file2);
        QCOMPARE(result.outcome, TraceComparison::Outcome::Compared);
        QCOMPARE(result.differences, 3);
        QCOMPARE(result.lines, (QStringList{u"F"_qs, u"File 1 --> aktiv"_qs, u"File 2 --> aktiv"_qs, QString(), u"F"_qs,
                                            u"File 1 --> wert_01"_qs, u"File 2 --> wert_02"_qs, QString(), u"G"_qs,
                                            u"File 1 --> aus"_qs, u"File 2 --> ein"_qs, QString(), u"3 differences"_qs}));
    }
};

QTEST_GUILESS_MAIN(TestTraceCompare)
#include "test_trace_compare.moc"

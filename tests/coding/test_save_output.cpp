#include "coding/coding_log.h"
#include "coding/manipulation_lines.h"
#include "coding/save_summary.h"
#include "support/test_files.h"
#include "trace/trace_loader.h"
#include "trace/trace_tree.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kRule(51, u'=');

// Function "F" followed by n value lines "\tv1" .. "\tvn".
QStringList functionWithValues(const QString& function, int n)
{
    QStringList lines{function};
    for (int i = 1; i <= n; ++i)
        lines.append(u"\tv"_qs + QString::number(i));
    return lines;
}

} // namespace

class TestSaveOutput : public QObject {
    Q_OBJECT
private slots:
    // Each row builds a tree from trace lines, then marks values: "+F/x" adds value x to
    // function F as chosen, "-F/x" unmarks the value x of F, "~F/x" adds x unmarked.
    void manipulationLines_data()
    {
        QTest::addColumn<QStringList>("trace");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QStringList>("lines");
        const QStringList trace{u"A"_qs, u"\ta1"_qs, u"B"_qs, u"\tb1"_qs};
        QTest::newRow("unchanged") << trace << QStringList() << trace;
        QTest::newRow("moved mark") << trace << QStringList{u"-A/a1"_qs, u"+A/a2"_qs}
                                    << QStringList{u"A"_qs, u"\ta2"_qs, u"B"_qs, u"\tb1"_qs};
        QTest::newRow("unmarked values are left out") << trace << QStringList{u"~A/a0"_qs, u"~B/b9"_qs} << trace;
        QTest::newRow("function without values is not written")
            << QStringList{u"A"_qs, u"B"_qs, u"\tb1"_qs} << QStringList() << QStringList{u"B"_qs, u"\tb1"_qs};
        QTest::newRow("inner tabs of a value are gone")
            << QStringList{u"A"_qs, u"\tname\tcomment\t"_qs} << QStringList()
            << QStringList{u"A"_qs, u"\tnamecomment"_qs};
        QTest::newRow("function line kept exactly")
            << QStringList{u" A\tx "_qs, u"\t1"_qs} << QStringList() << QStringList{u" A\tx "_qs, u"\t1"_qs};
    }
    void manipulationLines()
    {
        QFETCH(QStringList, trace);
        QFETCH(QStringList, edits);
        TraceTree tree;
        QVERIFY(BuildTraceTree(tree, trace, nullptr).isEmpty());
        for (const QString& edit : edits) {
            const int function = tree.indexOfKey(edit.mid(1).section(u'/', 0, 0));
            const QString value = edit.section(u'/', 1);
            if (edit.startsWith(u'-')) {
                for (int child : tree.children(function))
                    if (tree.text(child) == value)
                        tree.setImage(child, NodeImage::None);
            } else {
                QVERIFY(tree.addChild(function, value, edit.startsWith(u'+') ? NodeImage::Chosen : NodeImage::None));
            }
        }
        QTEST(BuildManipulationLines(tree), "lines");
    }

    void summary_data()
    {
        QTest::addColumn<QStringList>("trace");
        QTest::addColumn<QStringList>("output");
        QTest::addColumn<QStringList>("items");
        const QStringList head{u"Changed values:"_qs, QString()};
        QTest::newRow("one change") << QStringList{u"A"_qs, u"\taktiv"_qs, u"B"_qs, u"\t1"_qs}
                                    << QStringList{u"A"_qs, u"\tnicht_aktiv"_qs, u"B"_qs, u"\t1"_qs}
                                    << head + QStringList{u"A"_qs, u"aktiv --> nicht_aktiv"_qs, QString()};
        QTest::newRow("two changes") << QStringList{u"A"_qs, u"\t1"_qs, u"B"_qs, u"\t2"_qs}
                                     << QStringList{u"A"_qs, u"\tx"_qs, u"B"_qs, u"\ty"_qs}
                                     << head + QStringList{u"A"_qs, u"1 --> x"_qs, QString(), u"B"_qs, u"2 --> y"_qs,
                                                           QString()};
        QTest::newRow("nearest function line") << QStringList{u"A"_qs, u"\t1"_qs, u"B"_qs, u"\t2"_qs, u"\t3"_qs}
                                               << QStringList{u"A"_qs, u"\t1"_qs, u"B"_qs, u"\t2"_qs, u"\t4"_qs}
                                               << head + QStringList{u"B"_qs, u"3 --> 4"_qs, QString()};
        QStringList twenty = functionWithValues(u"F"_qs, 20);
        QStringList twentyChanged = twenty;
        twentyChanged[20] = u"\tneu"_qs;
        QTest::newRow("20 lines below its function") << twenty << twentyChanged
                                                     << head + QStringList{u"F"_qs, u"v20 --> neu"_qs, QString()};
        QStringList twentyOne = functionWithValues(u"F"_qs, 21);
        QStringList twentyOneChanged = twentyOne;
        twentyOneChanged[21] = u"\tneu"_qs;
        QTest::newRow("21 lines below: not listed") << twentyOne << twentyOneChanged << head;
        QTest::newRow("inner tabs read the same") << QStringList{u"A"_qs, u"\tname\tcomment\t"_qs}
                                                  << QStringList{u"A"_qs, u"\tnamecomment"_qs}
                                                  << head + QStringList{u"A"_qs, u"namecomment --> namecomment"_qs,
                                                                        QString()};
        QTest::newRow("nothing differs") << QStringList{u"A"_qs, u"\t1"_qs} << QStringList{u"A"_qs, u"\t1"_qs}
                                         << head;
    }
    void summary()
    {
        QFETCH(QStringList, trace);
        QFETCH(QStringList, output);
        QTEST(BuildSaveSummary(trace, output), "items");
    }

    void logEntry_data()
    {
        QTest::addColumn<QStringList>("summary");
        QTest::addColumn<QString>("backup");
        QTest::addColumn<QStringList>("middle"); // the lines between "Module changed" and "Backup saved as"
        const QStringList head{u"Changed values:"_qs, QString()};
        QTest::newRow("one change")
            << head + QStringList{u"LICHT"_qs, u"aktiv --> nicht_aktiv"_qs, QString()} << u"FSW_PSW [A-B].TRC"_qs
            << QStringList{QString(), u"Changed values\t: LICHT"_qs, u"\t\t  aktiv --> nicht_aktiv"_qs, QString()};
        QTest::newRow("two changes")
            << head + QStringList{u"A"_qs, u"1 --> 2"_qs, QString(), u"B"_qs, u"3 --> 4"_qs, QString()} << QString()
            << QStringList{QString(), u"Changed values\t: A"_qs, u"\t\t  1 --> 2"_qs, QString(), u"\t\t  B"_qs,
                           u"\t\t  3 --> 4"_qs, QString()};
        QTest::newRow("nothing listed") << head << QString() << QStringList{QString(), u"Changed values\t: "_qs};
    }
    void logEntry()
    {
        QFETCH(QStringList, summary);
        QFETCH(QString, backup);
        QFETCH(QStringList, middle);
        const QDateTime time(QDate(2012, 12, 31), QTime(23, 59, 59));
        const QStringList lines = BuildCodingLogEntry({time, u"DEM"_qs, u"LCM_DEM.C05"_qs, summary, backup});
        QVERIFY(lines.value(0).startsWith(u"Date\t\t: "_qs));
        QVERIFY2(lines.value(0).contains(u"59"_qs), qPrintable(lines.value(0)));
        const QStringList expected = QStringList{lines.value(0), u"Module changed\t: DEM - LCM_DEM.C05"_qs} + middle
                                     + QStringList{u"Backup saved as\t: "_qs + backup, kRule, QString()};
        QCOMPARE(lines, expected);
    }

    void appendLog_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray header = "===================================================\r\n"
                                  "       Generated with Quillon\r\n"
                                  "===================================================\r\n\r\n";
        QTest::newRow("missing log") << false << QByteArray() << header + "entry\r\n\r\n";
        QTest::newRow("empty log") << true << QByteArray() << header + "entry\r\n\r\n";
        QTest::newRow("log with entries") << true << QByteArray("old\r\n") << QByteArray("old\r\nentry\r\n\r\n");
        QTest::newRow("a blank counts as content") << true << QByteArray(" ") << QByteArray(" entry\r\n\r\n");
    }
    void appendLog()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, before);
        QTemporaryDir dir;
        const QString path = codingLogPath(dir.path());
        QVERIFY(path.endsWith(u"Codinglog.txt"_qs));
        if (exists)
            QVERIFY(TestFiles::write(path, before));
        QVERIFY(AppendCodingLog(path, {u"entry"_qs, QString()}));
        QTEST(TestFiles::read(path), "after");
    }
};

QTEST_GUILESS_MAIN(TestSaveOutput)
#include "test_save_output.moc"

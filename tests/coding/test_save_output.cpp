#include "coding/coding_log.h"
#include "coding/save_summary.h"
#include "support/data_table.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <QTest>

class TestSaveOutput : public QObject {
    Q_OBJECT
private slots:
    // The trace is a function "F" with n values; the output changes the last of them.
    void summary_data()
    {
        addColumns<QStringList, QString, QStringList>("trace", "changed", "items");
        const QStringList head{u"Changed values:"_qs, QString()};
        QTest::newRow("nearest function line") << QStringList{u"A"_qs, u"\t1"_qs, u"B"_qs, u"\t2"_qs, u"\t3"_qs}
                                               << u"\t4"_qs << head + QStringList{u"B"_qs, u"3 --> 4"_qs, QString()};
        QStringList values{u"F"_qs};
        for (int i = 1; i <= 21; ++i)
            values.append(u"\tv"_qs + QString::number(i));
        QTest::newRow("20 lines below its function")
            << values.mid(0, 21) << u"\tneu"_qs << head + QStringList{u"F"_qs, u"v20 --> neu"_qs, QString()};
        QTest::newRow("21 lines below: not listed") << values << u"\tneu"_qs << head;
        QTest::newRow("inner tabs read the same")
            << QStringList{u"A"_qs, u"\tname\tcomment\t"_qs} << u"\tnamecomment"_qs
            << head + QStringList{u"A"_qs, u"namecomment --> namecomment"_qs, QString()};
    }
    void summary()
    {
        QFETCH(QStringList, trace);
        QFETCH(QString, changed);
        QStringList output = trace;
        output.last() = changed;
        QTEST(BuildSaveSummary(trace, output), "items");
    }

    // The header starts a missing log (as the save test shows) or an empty one.
    void appendLog_data()
    {
        addColumns<QByteArray, QByteArray>("before", "after");
        const QByteArray header = "===================================================\r\n"
                                  "       Generated with Quillon\r\n"
                                  "===================================================\r\n\r\n";
        QTest::newRow("empty log") << QByteArray() << header + "entry\r\n\r\n";
        QTest::newRow("log with entries") << QByteArray("old\r\n") << QByteArray("old\r\nentry\r\n\r\n");
        QTest::newRow("a blank counts as content") << QByteArray(" ") << QByteArray(" entry\r\n\r\n");
    }
    void appendLog()
    {
        QFETCH(QByteArray, before);
        QTemporaryDir dir;
        const QString path = codingLogPath(dir.path());
        QVERIFY(TestFiles::write(path, before));
        QVERIFY(AppendCodingLog(path, {u"entry"_qs, QString()}));
        QTEST(TestFiles::read(path), "after");
    }
};

QTEST_GUILESS_MAIN(TestSaveOutput)
#include "test_save_output.moc"

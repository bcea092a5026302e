#include "common/paths.h"
#include "support/cli_run.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
const QStringList kTrace = {
    u"FUNKTION_A"_qs, u"\taktiv"_qs, u"FUNKTION_B"_qs, u"\t\twert_01"_qs, u"GRÖSSE"_qs, u"\t\tklein"_qs,
};

QStringList replaced(QStringList lines, qsizetype index, const QString& line)
{
    lines[index] = line;
    return lines;
}
} // namespace

class TestCliCompare : public QObject {
    Q_OBJECT
private slots:
    void compare_data()
    {
        QTest::addColumn<QStringList>("file2");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("result");
        QTest::newRow("identical") << kTrace << 0 << QStringList{u"0 differences"_qs};
        QTest::newRow("one changed value, non-ASCII function")
            << replaced(kTrace, 5, u"\t\tgroß"_qs) << 1
            << QStringList{u"GRÖSSE"_qs, u"File 1 --> klein"_qs, u"File 2 --> groß"_qs, QString(), u"1 difference"_qs};
        QTest::newRow("different length") << kTrace.mid(0, 4) << 2
                                          << QStringList{u"Comparison not possible, trace files do not match!"_qs};
        QTest::newRow("first line differs") << replaced(kTrace, 0, u"FUNKTION_Z"_qs) << 2 << QStringList();
    }
    void compare()
    {
        QFETCH(QStringList, file2);
        QFETCH(int, exitCode);
        QFETCH(QStringList, result);
        QTemporaryDir dir;
        const QString path1 = Paths::toNative(dir.filePath(u"one.trc"_qs));
        const QString path2 = Paths::toNative(dir.filePath(u"two.trc"_qs));
        QVERIFY(TestFiles::write(path1, TestFiles::crlf(kTrace)));
        QVERIFY(TestFiles::write(path2, TestFiles::crlf(file2)));
        const QString output = dir.filePath(u"export.txt"_qs);

        const CliRun run = runCli({u"compare"_qs, path1, path2, u"--output"_qs, output});
        QCOMPARE(run.exitCode, exitCode);
        const QStringList expected = QStringList{u"Trace differences:"_qs, QString(), u"File 1 --> "_qs + path1,
                                                 u"File 2 --> "_qs + path2, QString()}
                                     + result;
        QCOMPARE(run.outLines(), expected);
        QCOMPARE(run.err.isEmpty(), exitCode != 2 || !result.isEmpty());
        // The export is written only after a complete comparison, as the window's is.
        if (exitCode == 2) {
            QVERIFY(!QFile::exists(output));
            return;
        }
        const QString rule(51, u'=');
        QCOMPARE(TestFiles::read(output),
                 TestFiles::crlf(QStringList{rule, u"       Generated with Quillon"_qs, rule, QString()} + expected));
    }

    void unusableArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("one file") << QStringList{u"a.trc"_qs};
        QTest::newRow("unreadable files") << QStringList{u"/nonexistent/a.trc"_qs, u"/nonexistent/b.trc"_qs};
        QTest::newRow("output without name") << QStringList{u"a"_qs, u"b"_qs, u"--output"_qs};
    }
    void unusableArguments()
    {
        QFETCH(QStringList, arguments);
        const CliRun run = runCli(QStringList{u"compare"_qs} + arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!run.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliCompare)
#include "test_cli_compare.moc"

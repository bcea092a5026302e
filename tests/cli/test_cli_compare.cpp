#include "common/paths.h"
#include "support/test_files.h"

#include <QDir>
#include <QProcess>
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

struct Run {
    int exitCode = -1;
    QStringList out;
    QString err;
};

Run runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUILLON_CLI), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    QString out = QString::fromUtf8(process.readAllStandardOutput());
    if (out.endsWith(u'\n'))
        out.chop(1);
    run.out = out.isEmpty() ? QStringList() : out.split(u'\n');
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
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
            << QStringList{u"GRÖSSE"_qs, u"File 1 --> klein"_qs, u"File 2 --> groß"_qs, QString(),
                           u"1 difference"_qs};
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

        const Run run = runCli({u"compare"_qs, path1, path2, u"--output"_qs, output});
        QCOMPARE(run.exitCode, exitCode);
        const QStringList expected = QStringList{u"Trace differences:"_qs, QString(), u"File 1 --> "_qs + path1,
                                                 u"File 2 --> "_qs + path2, QString()}
                                     + result;
        QCOMPARE(run.out, expected);
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

    void relativePathsAreListedInFull()
    {
        QTemporaryDir dir;
        QVERIFY(TestFiles::write(dir.filePath(u"a.trc"_qs), TestFiles::crlf(kTrace)));
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(QUILLON_CLI), {u"compare"_qs, u"a.trc"_qs, u"a.trc"_qs});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        const QStringList out = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
        QCOMPARE(out.value(2), u"File 1 --> "_qs + Paths::toNative(dir.filePath(u"a.trc"_qs)));
    }

    void unusableArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("one file") << QStringList{u"compare"_qs, u"a.trc"_qs};
        QTest::newRow("missing file") << QStringList{u"compare"_qs, u"/nonexistent/a.trc"_qs, u"/nonexistent/b.trc"_qs};
        QTest::newRow("output without name") << QStringList{u"compare"_qs, u"a"_qs, u"b"_qs, u"--output"_qs};
        QTest::newRow("unknown option") << QStringList{u"compare"_qs, u"a"_qs, u"b"_qs, u"--fast"_qs};
    }

    void unusableArguments()
    {
        QFETCH(QStringList, arguments);
        const Run run = runCli(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!run.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliCompare)
#include "test_cli_compare.moc"

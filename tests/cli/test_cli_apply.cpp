#include "support/cli_run.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// A function name with a byte above 127, a function without values (never written to
// the MAN file) and one with two value lines.
const QStringList kCurrent{u"GRÖSSE"_qs, u"\tklein"_qs, u"LEER"_qs, u"ZWEI"_qs, u"\ta"_qs, u"\tb"_qs};
const QStringList kArguments{u"--from"_qs, u"@from"_qs, u"--output"_qs, u"@man"_qs, u"@current"_qs};

QByteArray lf(const QStringList& lines)
{
    return TestFiles::crlf(lines).replace("\r\n", "\n");
}

} // namespace

class TestCliApply : public QObject {
    Q_OBJECT
private slots:
    // "@name" in the arguments is a file in the test's folder; the MAN file holds "old" before.
    void apply_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("wanted");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("out");
        QTest::addColumn<QByteArray>("man");
        const QString leer = u"not applied: LEER (only in the current trace)"_qs;
        const QByteArray unchanged = TestFiles::crlf({u"GRÖSSE"_qs, u"\tklein"_qs, u"ZWEI"_qs, u"\ta"_qs, u"\tb"_qs});
        QTest::newRow("LF wanted trace against a CR LF current one")
            << kArguments << lf({u"ZWEI"_qs, u"\ta"_qs, u"\tc"_qs, u"GRÖSSE"_qs, u"\tgroß"_qs}) << 0
            << QStringList{u"GRÖSSE: klein --> groß"_qs, u"ZWEI: b --> c"_qs, leer, u"2 values changed"_qs}
            << TestFiles::crlf({u"GRÖSSE"_qs, u"\tgroß"_qs, u"ZWEI"_qs, u"\ta"_qs, u"\tc"_qs});
        QTest::newRow("not everything applied")
            << kArguments << TestFiles::crlf({u"ZWEI"_qs, u"\tx"_qs, u"NEU"_qs, u"\tja"_qs}) << 1
            << QStringList{u"not applied: GRÖSSE (only in the current trace)"_qs, leer,
                           u"not applied: ZWEI (2 value lines, 1 in the wanted trace)"_qs,
                           u"not applied: NEU (only in the wanted trace)"_qs, u"0 values changed"_qs}
            << unchanged;
        QTest::newRow("value line before the first function")
            << kArguments << TestFiles::crlf({u"\tx"_qs, u"F"_qs}) << 2 << QStringList() << QByteArray("old");
        QTest::newRow("function line twice") << kArguments << TestFiles::crlf({u"ZWEI"_qs, u"\tx"_qs, u"ZWEI"_qs})
                                             << 2 << QStringList() << QByteArray("old");
        QTest::newRow("unreadable wanted trace")
            << QStringList{u"--from"_qs, u"@missing"_qs, u"--output"_qs, u"@man"_qs, u"@current"_qs} << QByteArray()
            << 2 << QStringList() << QByteArray("old");
        QTest::newRow("MAN file over the current trace")
            << QStringList{u"--from"_qs, u"@from"_qs, u"--output"_qs, u"@current"_qs, u"@current"_qs}
            << TestFiles::crlf(kCurrent) << 2 << QStringList() << QByteArray("old");
    }
    void apply()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, wanted);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        QVERIFY(TestFiles::write(dir.filePath(u"current"_qs), TestFiles::crlf(kCurrent)));
        QVERIFY(TestFiles::write(dir.filePath(u"from"_qs), wanted));
        QVERIFY(TestFiles::write(dir.filePath(u"man"_qs), "old"));
        for (QString& argument : arguments)
            if (argument.startsWith(u'@'))
                argument = dir.filePath(argument.mid(1));

        const CliRun run = runCli(QStringList{u"apply"_qs} + arguments);
        QCOMPARE(run.exitCode, exitCode);
        QTEST(run.outLines(), "out");
        QCOMPARE(run.err.isEmpty(), exitCode != 2);
        QTEST(TestFiles::read(dir.filePath(u"man"_qs)), "man");
        // The traces are only read.
        QCOMPARE(TestFiles::read(dir.filePath(u"current"_qs)), TestFiles::crlf(kCurrent));
    }
};

QTEST_GUILESS_MAIN(TestCliApply)
#include "test_cli_apply.moc"

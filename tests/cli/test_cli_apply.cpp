#include "support/cli_run.h"
#include "support/test_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A function name with a byte above 127, a function without values (never written to
// the MAN file) and one with two value lines.
const QStringList kCurrent{u"GRÖSSE"_qs, u"\tklein"_qs, u"LEER"_qs, u"ZWEI"_qs, u"\ta"_qs, u"\tb"_qs};

QByteArray lf(const QStringList& lines)
{
    return TestFiles::crlf(lines).replace("\r\n", "\n");
}

} // namespace

class TestCliApply : public QObject {
    Q_OBJECT
private slots:
    void apply_data()
    {
        QTest::addColumn<QByteArray>("wanted");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("out");
        QTest::addColumn<QStringList>("man");
        const QString leer = u"not applied: LEER (only in the current trace)"_qs;
        QTest::newRow("LF wanted trace against a CR LF current one")
            << lf({u"ZWEI"_qs, u"\ta"_qs, u"\tc"_qs, u"GRÖSSE"_qs, u"\tgroß"_qs}) << 0
            << QStringList{u"GRÖSSE: klein --> groß"_qs, u"ZWEI: b --> c"_qs, leer, u"2 values changed"_qs}
            << QStringList{u"GRÖSSE"_qs, u"\tgroß"_qs, u"ZWEI"_qs, u"\ta"_qs, u"\tc"_qs};
        QTest::newRow("not everything applied")
            << TestFiles::crlf({u"ZWEI"_qs, u"\tx"_qs, u"NEU"_qs, u"\tja"_qs}) << 1
            << QStringList{u"not applied: GRÖSSE (only in the current trace)"_qs, leer,
                           u"not applied: ZWEI (2 value lines, 1 in the wanted trace)"_qs,
                           u"not applied: NEU (only in the wanted trace)"_qs, u"0 values changed"_qs}
            << QStringList{u"GRÖSSE"_qs, u"\tklein"_qs, u"ZWEI"_qs, u"\ta"_qs, u"\tb"_qs};
    }
    void apply()
    {
        QFETCH(QByteArray, wanted);
        QTemporaryDir dir;
        const QString current = dir.filePath(u"FSW_PSW.TRC"_qs);
        const QString from = dir.filePath(u"earlier.trc"_qs);
        const QString output = dir.filePath(u"FSW_PSW.MAN"_qs);
        QVERIFY(TestFiles::write(current, TestFiles::crlf(kCurrent)));
        QVERIFY(TestFiles::write(from, wanted));
        QVERIFY(TestFiles::write(output, "old"));

        const CliRun run = runCli({u"apply"_qs, u"--from"_qs, from, u"--output"_qs, output, current});
        QTEST(run.exitCode, "exitCode");
        QTEST(run.outLines(), "out");
        QFETCH(QStringList, man);
        QCOMPARE(TestFiles::read(dir.filePath(u"FSW_PSW.MAN"_qs)), TestFiles::crlf(man));
        QCOMPARE(TestFiles::read(current), TestFiles::crlf(kCurrent));
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("wanted");
        const QByteArray good = TestFiles::crlf({u"F"_qs, u"\tx"_qs});
        QTest::newRow("unreadable wanted trace")
            << QStringList{u"--from"_qs, u"@missing"_qs, u"--output"_qs, u"@man"_qs, u"@current"_qs} << good;
        QTest::newRow("value line before the first function")
            << QStringList{u"--from"_qs, u"@from"_qs, u"--output"_qs, u"@man"_qs, u"@current"_qs}
            << TestFiles::crlf({u"\tx"_qs, u"F"_qs});
        QTest::newRow("MAN file over the current trace")
            << QStringList{u"--from"_qs, u"@from"_qs, u"--output"_qs, u"@current"_qs, u"@current"_qs} << good;
    }
    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, wanted);
        QTemporaryDir dir;
        QVERIFY(TestFiles::write(dir.filePath(u"current"_qs), TestFiles::crlf({u"F"_qs, u"\ty"_qs})));
        QVERIFY(TestFiles::write(dir.filePath(u"from"_qs), wanted));
        for (QString& argument : arguments)
            if (argument.startsWith(u'@'))
                argument = dir.filePath(argument.mid(1));

        const CliRun run = runCli(QStringList{u"apply"_qs} + arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(!run.err.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath(u"man"_qs)));
        QCOMPARE(TestFiles::read(dir.filePath(u"current"_qs)), TestFiles::crlf({u"F"_qs, u"\ty"_qs}));
    }
};

QTEST_GUILESS_MAIN(TestCliApply)
#include "test_cli_apply.moc"

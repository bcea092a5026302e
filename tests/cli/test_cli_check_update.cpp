#include "support/cli_run.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString demo(const QString& folder)
{
    return QStringLiteral(QUILLON_SOURCE_DIR "/demo/") + folder;
}

QStringList found(const QString& number, const QString& family, const QString& hardware, const QString& result)
{
    return {number, u"  ECU family      : "_qs + family, u"  Hardware number : "_qs + hardware,
            u"  Result          : "_qs + result};
}

// The assembly numbers in the plan, in the order they were added.
QStringList planNumbers(const QString& programFolder)
{
    const QString plan = QString::fromLatin1(TestFiles::read(programFolder + u"/Updateplan.txt"_qs));
    QStringList numbers;
    for (const QString& line : plan.split(u"\r\n"_qs))
        if (line.startsWith(u"Assembly number\t: "))
            numbers.append(line.mid(18));
    return numbers;
}

} // namespace

class TestCliCheckUpdate : public QObject {
    Q_OBJECT
private slots:
    // SP-daten knows a newer number than the tools' NFS.
    void answers_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QStringList>("out");
        const QString dme = u"DEMO_DME"_qs;
        QTest::newRow("NFS") << demo(u"EC-APPS/NFS"_qs)
                             << QStringList{u"7561023"_qs, u"6932480"_qs, u"1234567"_qs, u"756102"_qs}
                             << found(u"7561023"_qs, dme, u"7561000"_qs, u"Update available --> 7561025"_qs)
                                    + found(u"6932480"_qs, u"DEMO_LCM"_qs, u"6932400"_qs, u"No update available"_qs)
                                    + QStringList{u"1234567"_qs, u"  Result          : Nothing found... Check "
                                                                 u"assembly line data"_qs,
                                                  u"756102"_qs, u"  Result          : Nothing found... Assembly "
                                                                u"number must be 7 digit"_qs};
        QTest::newRow("SP-daten") << demo(u"SP-DATEN-DEM"_qs) << QStringList{u"7561023"_qs}
                                  << found(u"7561023"_qs, dme, u"7561000"_qs, u"Update available --> 7561026"_qs);
    }
    void answers()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, numbers);
        QFETCH(QStringList, out);
        const CliRun run = runCli(QStringList{u"check-update"_qs, u"--data"_qs, folder} + numbers);
        QCOMPARE(run.outLines(), out);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString nfs = demo(u"EC-APPS/NFS"_qs);
        QTest::newRow("no data folder") << QStringList{u"7561023"_qs} << u"--data"_qs;
        QTest::newRow("no number") << QStringList{u"--data"_qs, nfs} << u"assembly number"_qs;
        QTest::newRow("unknown option") << QStringList{u"--data"_qs, nfs, u"--fast"_qs, u"7561023"_qs} << u"--fast"_qs;
        QTest::newRow("DATA missing") << QStringList{u"--data"_qs, demo(u"NCSEXPER"_qs), u"7561023"_qs}
                                      << u"not found"_qs;
    }
    void badArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const CliRun run = runCli(QStringList{u"check-update"_qs} + arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    // Only numbers with an update go to the plan; a second run appends to it, and a plan
    // that cannot be written makes the run end with 1 after all answers were given.
    void plan()
    {
        QTemporaryDir program;
        const QStringList common{u"check-update"_qs, u"--data"_qs, demo(u"EC-APPS/NFS"_qs), u"--plan"_qs,
                                 u"--program-folder"_qs, program.path()};
        CliRun run = runCli(common + QStringList{u"7561023"_qs, u"6932480"_qs, u"1234567"_qs, u"6941010"_qs});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.count(u"Added to"_qs), 2);
        QCOMPARE(planNumbers(program.path()), (QStringList{u"7561023"_qs, u"6941010"_qs}));
        QCOMPARE(runCli(common + QStringList{u"7561024"_qs}).exitCode, 0);
        QCOMPARE(planNumbers(program.path()), (QStringList{u"7561023"_qs, u"6941010"_qs, u"7561024"_qs}));

        QVERIFY(QFile::remove(program.filePath(u"Updateplan.txt"_qs)));
        QVERIFY(QDir(program.path()).mkpath(u"Updateplan.txt"_qs));
        run = runCli(common + QStringList{u"7561023"_qs, u"6941010"_qs});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.contains(u"Update available --> 6941020"_qs));
        QCOMPARE(run.err.count(u"Updateplan.txt"_qs), 2);
    }
};

QTEST_GUILESS_MAIN(TestCliCheckUpdate)
#include "test_cli_check_update.moc"

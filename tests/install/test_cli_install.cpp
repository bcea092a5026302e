#include "install_fixture.h"
#include "tree_snapshot.h"

#include <QDir>
#include <QProcess>
#include <QTest>

namespace {

struct CliRun {
    int exitCode = -1;
    QStringList out;
    QString err;
};

CliRun runCli(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(QUILLON_CLI), QStringList{u"install"_qs} + args);
    process.waitForFinished(120000);
    CliRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput()).split(u'\n');
    if (!run.out.isEmpty() && run.out.last().isEmpty())
        run.out.removeLast();
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

} // namespace

class TestCliInstall : public QObject {
    Q_OBJECT

    QStringList toolArgs(const InstallFixture& f)
    {
        return {u"--ncs"_qs,  f.at(u"NCSEXPER"_qs), u"--ediabas"_qs,  f.at(u"EDIABAS"_qs),
                u"--nfs"_qs,  f.at(u"NFS"_qs),      u"--settings"_qs, f.at(u"none.ini"_qs)};
    }

private slots:
    void runsBothInstallsAndRepeats()
    {
        InstallFixture f;
        const QStringList common = QStringList{u"--source"_qs, f.at(u"SP-E60"_qs)} + toolArgs(f);
        CliRun run = runCli(QStringList{u"sp-daten"_qs, u"--backup"_qs, u"yes"_qs} + common);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.mid(run.out.size() - 3),
                 (QStringList{QString(), u"UPDATE READY"_qs, u"Update SP-daten ready [9 files updated]"_qs}));
        QCOMPARE(run.out.first(), f.at(u"EDIABAS/ECU"_qs));
        QVERIFY(run.out.contains(u"update --> A.PRG"_qs));
        QVERIFY(run.err.contains(u"Do you want to backup the existing files? -> Yes"_qs));
        QCOMPARE(QDir(f.root() + u"/EDIABAS"_qs).entryList({u"ECU_2*"_qs}, QDir::Dirs).size(), 1);

        run = runCli(QStringList{u"sp-daten"_qs, u"--backup"_qs, u"no"_qs} + common);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.last(), u"Update SP-daten ready [0 files updated]"_qs);
        QCOMPARE(run.out.filter(u"remain --> "_qs).size(), 9);

        run = runCli(QStringList{u"winkfp"_qs, u"--backup"_qs, u"no"_qs} + common);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.last(), u"Update WinKFP ready [3 folders updated]"_qs);
        QVERIFY(!QFileInfo::exists(f.at(u"NFS/DATA/FAM9"_qs)));
    }

    void foldersFromTheSettings()
    {
        InstallFixture f;
        QFile ini(f.at(u"settings.ini"_qs));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Settings]\nFolderNCS=" + f.at(u"NCSEXPER"_qs).toUtf8() + "\nFolderEDIABAS="
                  + f.at(u"EDIABAS"_qs).toUtf8() + "\nFolderNFS=" + f.at(u"NFS"_qs).toUtf8() + "\n");
        ini.close();
        const CliRun run = runCli({u"winkfp"_qs, u"--source"_qs, f.at(u"SP-E60"_qs), u"--backup"_qs, u"yes"_qs,
                                   u"--settings"_qs, ini.fileName()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.last(), u"Update WinKFP ready [3 folders updated]"_qs);
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("no installation") << QStringList{u"--backup"_qs, u"no"_qs} << u"sp-daten or winkfp"_qs;
        QTest::newRow("no backup answer") << QStringList{u"sp-daten"_qs, u"@SP-E60"_qs} << u"--backup yes|no is required"_qs;
        QTest::newRow("bad backup answer") << QStringList{u"sp-daten"_qs, u"--backup"_qs, u"maybe"_qs}
                                           << u"--backup takes yes or no"_qs;
        QTest::newRow("unknown option") << QStringList{u"winkfp"_qs, u"--backup"_qs, u"no"_qs, u"--fast"_qs}
                                        << u"unknown option --fast"_qs;
        QTest::newRow("not a data set") << QStringList{u"sp-daten"_qs, u"--backup"_qs, u"no"_qs, u"@NCSEXPER"_qs}
                                        << u"@NCSEXPER is not a valid SP-daten folder.\n"_qs;
        QTest::newRow("tool folder missing")
            << QStringList{u"sp-daten"_qs, u"--backup"_qs, u"no"_qs, u"@SP-E60"_qs, u"--ediabas"_qs, u"@nowhere"_qs}
            << u"@nowhere/ECU not found.\nSet your default folders.\n"_qs;
        QTest::newRow("chassis not created")
            << QStringList{u"sp-daten"_qs, u"--backup"_qs, u"no"_qs, u"@SP-daten"_qs}
            << u"contains no folder TEN.\nDo you want to create this folder? -> No"_qs;
    }
    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        InstallFixture f;
        TreeFiles::copyTree(f.at(u"SP-E60"_qs), f.at(u"SP-daten"_qs));
        QStringList full = toolArgs(f);
        for (const QString& arg : args) {
            if (arg.startsWith(u'@'))
                full += (full.contains(u"--source"_qs) || arg == u"@nowhere" ? QStringList{}
                                                                               : QStringList{u"--source"_qs});
            full += arg.startsWith(u'@') ? f.at(arg.mid(1)) : arg;
        }
        // Later options win, so the tool folder given in the row replaces the fixture's.
        message.replace(u"@"_qs, f.root() + u'/');
        const TreeSnapshot before = TreeFiles::snapshot(f.root());
        const CliRun run = runCli(full);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(TreeFiles::snapshot(f.root()), before);
    }

    void createsTheChassisFolderWhenAsked()
    {
        InstallFixture f(nullptr, u"SP-daten"_qs);
        const CliRun run = runCli(QStringList{u"sp-daten"_qs, u"--backup"_qs, u"no"_qs, u"--create-chassis"_qs,
                                              u"--source"_qs, f.at(u"SP-daten"_qs)}
                                  + toolArgs(f));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(QFileInfo::exists(f.at(u"NCSEXPER/DATEN/TEN/M1.C08"_qs)));
    }

    void failingStepExitsWithOne()
    {
        InstallFixture f;
        // A folder where a file of the data set has to go: copying onto it fails.
        QVERIFY(QDir().mkpath(f.at(u"EDIABAS/ECU/B.PRG"_qs)));
        const CliRun run = runCli(QStringList{u"sp-daten"_qs, u"--backup"_qs, u"no"_qs, u"--source"_qs,
                                              f.at(u"SP-E60"_qs)}
                                  + toolArgs(f));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out.mid(run.out.size() - 2), (QStringList{QString(), u"UPDATE READY"_qs}));
        QVERIFY2(run.err.contains(u"failed at \"Update "_qs + f.at(u"EDIABAS/ECU"_qs) + u"\": "_qs), qPrintable(run.err));
        QVERIFY(run.err.contains(u"B.PRG"_qs));
        QVERIFY(QFileInfo(f.at(u"EDIABAS/ECU/B.PRG"_qs)).isDir());
    }
};

QTEST_GUILESS_MAIN(TestCliInstall)
#include "test_cli_install.moc"

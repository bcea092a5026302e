#include "common/paths.h"
#include "install_fixture.h"
#include "support/cli_run.h"
#include "support/data_table.h"
#include "support/test_files.h"
#include "tree_snapshot.h"

#include <QDir>
#include <QTest>

namespace {
QStringList toolArgs(const InstallFixture& f)
{
    return {u"--ncs"_qs, f.at(u"NCSEXPER"_qs), u"--ediabas"_qs,  f.at(u"EDIABAS"_qs),
            u"--nfs"_qs, f.at(u"NFS"_qs),      u"--settings"_qs, f.at(u"none.ini"_qs)};
}

CliRun install(const QStringList& args)
{
    return runCli(QStringList{u"install"_qs} + args);
}
} // namespace

class TestCliInstall : public QObject {
    Q_OBJECT
private slots:
    void refusals_data()
    {
        addColumns<QStringList, QString>("args", "message");
        const QString no = u"no"_qs, backup = u"--backup"_qs, sp = u"sp-daten"_qs;
        QTest::newRow("not a data set") << QStringList{sp, backup, no, u"@NCSEXPER"_qs}
                                        << u"@NCSEXPER is not a valid SP-daten folder.\n"_qs;
        QTest::newRow("chassis not created") << QStringList{sp, backup, no, u"@SP-daten"_qs}
                                             << u"contains no folder TEN.\nDo you want to create this folder? -> No"_qs;
    }
    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        InstallFixture f;
        TreeFiles::copyTree(f.at(InstallFixture::DataSet), f.at(u"SP-daten"_qs));
        QStringList full = toolArgs(f);
        for (const QString& arg : args)
            full += arg.startsWith(u'@') ? QStringList{u"--source"_qs, f.at(arg.mid(1))} : QStringList{arg};
        message.replace(u"@"_qs, Paths::toNative(f.root() + u'/'));
        const TreeSnapshot before = TreeFiles::snapshot(f.root());
        const CliRun run = install(full);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(TreeFiles::snapshot(f.root()), before);
    }

    void failingStepExitsWithOne()
    {
        InstallFixture f;
        // A folder where a file of the data set has to go: copying onto it fails.
        QVERIFY(QDir().mkpath(f.at(u"EDIABAS/ECU/B.PRG"_qs)));
        const CliRun run =
            install(QStringList{u"sp-daten"_qs, u"--backup"_qs, u"no"_qs, u"--source"_qs, f.at(InstallFixture::DataSet)}
                    + toolArgs(f));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.outLines().mid(run.outLines().size() - 2), (QStringList{QString(), u"UPDATE READY"_qs}));
        QVERIFY2(run.err.contains(u"failed at \"Update "_qs + f.at(u"EDIABAS/ECU"_qs) + u"\": "_qs),
                 qPrintable(run.err));
    }

    // Both installs from the command line, the first for a chassis NCS Expert has no folder
    // for yet, with tool folders given relative to where it runs, the second with the tool
    // folders from a settings file; then undone newest first from elsewhere: the tool
    // folders come back.
    void installsThenRestoresNewestFirst()
    {
        InstallFixture f(nullptr, u"SP-E47"_qs);
        const QString ini = f.at(u"settings.ini"_qs);
        // Backslashes escaped, as QSettings writes Windows paths.
        const auto value = [&](const QString& folder) { return f.at(folder).replace(u"\\"_qs, u"\\\\"_qs).toUtf8(); };
        QVERIFY(TestFiles::write(ini, "[Settings]\nFolderNCS=" + value(u"NCSEXPER"_qs) + "\nFolderEDIABAS="
                                          + value(u"EDIABAS"_qs) + "\nFolderNFS=" + value(u"NFS"_qs) + "\n"));
        const TreeSnapshot before = f.tools();
        const QStringList source{u"--source"_qs, f.at(u"SP-E47"_qs), u"--records"_qs, f.records.path()};
        const QStringList relativeTools{u"--ncs"_qs, u"NCSEXPER"_qs, u"--ediabas"_qs,  u"EDIABAS"_qs,
                                        u"--nfs"_qs, u"NFS"_qs,      u"--settings"_qs, f.at(u"none.ini"_qs)};
        CliRun run =
            runProgram(QStringLiteral(QUILLON_CLI),
                       QStringList{u"install"_qs, u"sp-daten"_qs, u"--backup"_qs, u"yes"_qs, u"--create-chassis"_qs}
                           + source + relativeTools,
                       {}, f.root());
        QCOMPARE(run.exitCode, 0);
        // The new, empty chassis folder still gets its (empty) backup.
        QCOMPARE(QDir(f.at(u"NCSEXPER/DATEN"_qs)).entryList({u"E47*"_qs}, QDir::Dirs).size(), 2);
        QVERIFY(run.err.contains(u"Do you want to backup the existing files? -> Yes"_qs));
        QStringList out = run.outLines();
        QCOMPARE(out.first(), f.at(u"EDIABAS/ECU"_qs));
        QCOMPARE(out.mid(out.size() - 4, 3),
                 (QStringList{QString(), u"UPDATE READY"_qs, u"Update SP-daten ready [16 files updated]"_qs}));
        QStringList paths{out.last().mid(16)};

        run = install(QStringList{u"winkfp"_qs, u"--backup"_qs, u"yes"_qs, u"--settings"_qs, ini} + source);
        QCOMPARE(run.exitCode, 0);
        out = run.outLines();
        QCOMPARE(out.value(out.size() - 2), u"Update WinKFP ready [3 folders updated]"_qs);
        QVERIFY2(out.last().startsWith(u"Restore record: "_qs), qPrintable(run.out));
        paths.prepend(out.last().mid(16));

        const auto list = [&f] { return runCli({u"restore"_qs, u"--list"_qs, u"--records"_qs, f.records.path()}); };
        const QStringList listed = list().outLines();
        QCOMPARE(listed.size(), 2);
        // What the runs reported, newest first.
        for (int i = 0; i < 2; ++i)
            QVERIFY2(listed[i].endsWith((i == 0 ? u"\t3 folders updated"_qs : u"\t16 files updated"_qs)
                                        + u"\trestorable\t"_qs + paths[i]),
                     qPrintable(listed[i]));
        for (const QString& path : paths) {
            run = runCli({u"restore"_qs, path});
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(run.outLines().last(), u"RESTORE READY"_qs);
        }
        QCOMPARE(f.tools(), before);
        QVERIFY(list().outLines().first().contains(u"\talready restored\t"_qs));
        run = runCli({u"restore"_qs, paths[0]});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(u"already restored"_qs), qPrintable(run.err));
    }

    void restoreRefusals_data()
    {
        addColumns<QStringList, QString>("args", "message");
        QTest::newRow("not a record") << QStringList{QStringLiteral(QUILLON_CLI)} << u"not a restore record"_qs;
    }
    void restoreRefusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const CliRun run = runCli(QStringList{u"restore"_qs} + args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestCliInstall)
#include "test_cli_install.moc"

#include "install_fixture.h"
#include "support/cli_run.h"
#include "tree_snapshot.h"

#include <QTest>

class TestCliRestore : public QObject {
    Q_OBJECT
private slots:
    // Both installs undone newest first from the command line give the tool folders back.
    void installsThenRestoresNewestFirst()
    {
        InstallFixture f;
        QTemporaryDir records;
        const auto tools = [&f] {
            TreeSnapshot all = TreeFiles::snapshot(f.root());
            all.removeIf([](TreeSnapshot::iterator it) { return it.key().startsWith(u"SP-"_qs); });
            return all;
        };
        const TreeSnapshot before = tools();
        QStringList paths;
        for (const QString& kind : {u"sp-daten"_qs, u"winkfp"_qs}) {
            const CliRun run = runCli({u"install"_qs, kind, u"--backup"_qs, u"yes"_qs, u"--source"_qs,
                                       f.at(InstallFixture::DataSet), u"--ncs"_qs, f.at(u"NCSEXPER"_qs), u"--ediabas"_qs,
                                       f.at(u"EDIABAS"_qs), u"--nfs"_qs, f.at(u"NFS"_qs), u"--records"_qs, records.path()});
            QCOMPARE(run.exitCode, 0);
            QVERIFY2(run.outLines().last().startsWith(u"Restore record: "_qs), qPrintable(run.out));
            paths.prepend(run.outLines().last().mid(16));
        }
        const auto list = [&records] { return runCli({u"restore"_qs, u"--list"_qs, u"--records"_qs, records.path()}); };
        QStringList listed = list().outLines();
        QCOMPARE(listed.size(), 2);
        for (int i = 0; i < 2; ++i)
            QVERIFY2(listed[i].endsWith(u"\trestorable\t"_qs + paths[i]), qPrintable(listed[i]));

        for (const QString& path : paths) {
            const CliRun run = runCli({u"restore"_qs, path});
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(run.outLines().last(), u"RESTORE READY"_qs);
        }
        QCOMPARE(tools(), before);
        QVERIFY(list().outLines().first().contains(u"\talready restored\t"_qs));
        const CliRun again = runCli({u"restore"_qs, paths[0]});
        QCOMPARE(again.exitCode, 1);
        QVERIFY2(again.err.contains(u"already restored"_qs), qPrintable(again.err));
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing") << QStringList{} << u"give a record or --list"_qs;
        QTest::newRow("both") << QStringList{u"r.txt"_qs, u"--list"_qs} << u"give a record or --list"_qs;
        QTest::newRow("unknown option") << QStringList{u"--all"_qs} << u"unknown option --all"_qs;
        QTest::newRow("not a record") << QStringList{QStringLiteral(QUILLON_CLI)} << u"not a restore record"_qs;
    }
    void badArguments()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const CliRun run = runCli(QStringList{u"restore"_qs} + args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestCliRestore)
#include "test_cli_restore.moc"

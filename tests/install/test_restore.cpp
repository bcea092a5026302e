#include "faulty_file_ops.h"
#include "install/restore_record.h"
#include "install/restore_run.h"
#include "install_fixture.h"
#include "support/data_table.h"
#include "tree_snapshot.h"

#include <QTest>

using Kind = Restore::Outcome::Kind;

namespace {

// One installation with backups into a fixture, its record kept in records.
struct Installed {
    InstallFixture f;
    InstallRunResult result;

    Installed(int index, const QString& dataSet, FileOps* ops = nullptr) : f(ops, dataSet)
    {
        f.dialogs.queueAnswer(MessageAnswer::Yes);
        f.dialogs.queueAnswer(MessageAnswer::Yes); // a missing chassis folder is made
        auto c = f.context();
        c.recordsFolder = f.records.path();
        result = cmdUpdate_Click(c, index);
    }
    Restore::Outcome restore(FileOps& ops) { return Restore::run(result.restoreRecord, ops, f.view); }
};

} // namespace

class TestRestore : public QObject {
    Q_OBJECT
private slots:
    // A restore gives the tool folders back. One stopped by its k-th file operation leaves
    // every file as the run left it or as it was before (or gone with a folder the run moved
    // away); a second restore finishes the job and so shows nothing was lost.
    void restoreFaultAtEveryOperation_data()
    {
        addColumns<int, QString>("index", "dataSet");
        QTest::newRow("SP-daten, DATEN files overwritten") << 0 << u"SP-E46"_qs;
        QTest::newRow("SP-daten, new chassis folder") << 0 << u"SP-E47"_qs;
        QTest::newRow("WinKFP") << 1 << u"SP-E46"_qs;
    }
    void restoreFaultAtEveryOperation()
    {
        QFETCH(int, index);
        QFETCH(QString, dataSet);
        const TreeSnapshot before = InstallFixture(nullptr, dataSet).tools(true);
        int operations = 0;
        {
            Installed run(index, dataSet);
            QCOMPARE(run.result.outcome, InstallRunResult::Outcome::Ready);
            QVERIFY(run.f.tools(true) != before);
            RealFileOps real;
            FaultyFileOps counting(real);
            QCOMPARE(run.restore(counting).kind, Kind::Restored);
            operations = counting.count();
            QCOMPARE(run.f.tools(true), before);
            QCOMPARE(run.f.view.lines.last(), QString());
        }
        QVERIFY(operations > 10);
        for (int k = 1; k <= operations; ++k) {
            const QString where = u"operation "_qs + QString::number(k);
            Installed run(index, dataSet);
            const TreeSnapshot after = run.f.tools(true); // SGIDC.AS2 is written at the run's own time
            RealFileOps real;
            FaultyFileOps faulty(real, k);
            QVERIFY2(run.restore(faulty).kind == Kind::Failed, qPrintable(where));
            const TreeSnapshot middle = run.f.tools(true);
            for (auto it = middle.begin(); it != middle.end(); ++it)
                QVERIFY2(before.value(it.key()) == it.value() || after.value(it.key()) == it.value(),
                         qPrintable(where + u": "_qs + it.key()));
            QVERIFY2(run.restore(real).kind == Kind::Restored, qPrintable(where));
            QVERIFY2(run.f.tools(true) == before, qPrintable(where));
        }
    }

    // Anything changed since the run refuses the restore, naming the file; nothing is touched.
    void refused_data()
    {
        // bytes: written there, or empty to remove the file
        addColumns<int, QString, QByteArray, QString>("index", "path", "bytes", "problem");
        QTest::newRow("updated file edited")
            << 0 << u"EDIABAS/ECU/A.PRG"_qs << QByteArray("edited") << u": changed since the installation"_qs;
        QTest::newRow("new file edited") << 0 << u"EDIABAS/ECU/B.PRG"_qs << QByteArray("edited")
                                         << u": changed since the installation"_qs;
        QTest::newRow("backup gone") << 0 << u"EDIABAS/ECU_20121231_235959/A.PRG"_qs << QByteArray()
                                     << u": the backup of "_qs;
        QTest::newRow("file added to a backup folder") << 0 << u"EDIABAS/ECU_20121231_235959/NEW.PRG"_qs
                                                       << QByteArray("x") << u": added after the installation"_qs;
        QTest::newRow("file added to a family")
            << 1 << u"NFS/DATA/FAM2/MINE.DAT"_qs << QByteArray("x") << u": added after the installation"_qs;
        QTest::newRow("folder in the way of a move back")
            << 1 << u"NFS/DATA/FAM9/"_qs << QByteArray("folder") << u": in the way of "_qs;
    }
    void refused()
    {
        QFETCH(int, index);
        QFETCH(QString, path);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        Installed run(index, u"SP-E46"_qs);
        QString file = run.f.at(path);
        if (path.endsWith(u'/')) // a folder: the native path ends in the separator
            file.chop(1);
        if (bytes.isEmpty())
            QVERIFY(QFile::remove(file));
        else
            QVERIFY(TreeFiles::build(run.f.root(), {{path, bytes}}));
        const TreeSnapshot edited = run.f.tools(true);
        RealFileOps ops;
        const auto outcome = run.restore(ops);
        QCOMPARE(outcome.kind, Kind::Refused);
        QCOMPARE(outcome.problems.size(), 1);
        QVERIFY2(outcome.problems[0].startsWith(file + problem), qPrintable(outcome.problems[0]));
        QCOMPARE(run.f.tools(true), edited);
    }

    // Ten problems are shown whole; beyond that the rest are counted.
    void messageShowsTen()
    {
        const QStringList ten(10, u"x"_qs);
        QCOMPARE(Restore::messageText(ten), QStringList(10, u"x"_qs).join(u"\r\n"_qs));
        QVERIFY(Restore::messageText(ten + QStringList{u"y"_qs}).endsWith(u"x\r\n… and 1 more"_qs));
    }

    void parse_data()
    {
        // changes: -1 when refused
        addColumns<QByteArray, int>("bytes", "changes");
        const QByteArray head = "quillon restore record 1\nrun\twinkfp\t2020-01-01T08:00:00\tC:/SP\n";
        QTest::newRow("torn last line left out") << head + "new\tC:/a\nnew\tC:/b" << 1;
        QTest::newRow("undone beyond the changes") << head + "new\tC:/a\nundone\t1\n" << -1;
        QTest::newRow("unknown word") << head + "renamed\tC:/a\n" << -1;
        QTest::newRow("fingerprint not a number") << head + "kept\tC:/a\tC:/b\tx\t1\tff\n" << -1;
        QTest::newRow("no run line") << QByteArray("quillon restore record 1\nnew\tC:/a\n") << -1;
        QTest::newRow("percent-encoded path") << head + "moved\tC:/a%09b\tC:/c\n" << 1;
    }
    void parse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, changes);
        const auto record = RestoreRecord::parse(bytes);
        QCOMPARE(record.ok() ? record->changes.size() : -1, changes);
    }
};

QTEST_GUILESS_MAIN(TestRestore)
#include "test_restore.moc"

#include "faulty_file_ops.h"
#include "install/restore_run.h"
#include "install/sgidc_file.h"
#include "install_fixture.h"
#include "support/data_table.h"
#include "support/test_files.h"
#include "tree_snapshot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using Outcome = InstallRunResult::Outcome;

namespace {

// The place a file of the tools may have been saved to: some folder on its path with the
// backup suffix.
QStringList backupPlaces(const QString& path)
{
    QStringList places;
    const QStringList parts = path.split(u'/');
    for (int i = 1; i < parts.size() - 1; ++i) {
        QStringList moved = parts;
        moved[i] += InstallFixture::Stamp;
        places.append(moved.join(u'/'));
    }
    return places;
}

} // namespace

class TestInstallRuns : public QObject {
    Q_OBJECT
private slots:
    // Cancel at the question, or a missing folder: nothing is shown or changed.
    void nothingChanges_data()
    {
        // message: after the question
        addColumns<int, MessageAnswer, QString, QString>("index", "answer", "removed", "message");
        QTest::newRow("SP-daten cancelled") << 0 << MessageAnswer::Cancel << QString() << QString();
        QTest::newRow("WinKFP cancelled") << 1 << MessageAnswer::Cancel << QString() << QString();
        QTest::newRow("tool folder") << 0 << MessageAnswer::Yes << u"NCSEXPER/SGDAT"_qs
                                     << u" not found.\r\nSet your default folders."_qs;
        QTest::newRow("data set folder") << 1 << MessageAnswer::Yes << u"SP-E46/DATA"_qs
                                         << u" not found.\r\nUpdate WinKFP not possible."_qs;
    }
    void nothingChanges()
    {
        QFETCH(int, index);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, removed);
        QFETCH(QString, message);
        InstallFixture f;
        QVERIFY(removed.isEmpty() || QDir(f.at(removed)).removeRecursively());
        f.view.lines = QStringList{u"earlier log"_qs};
        f.view.caption = u"earlier caption"_qs;
        const TreeSnapshot before = TreeFiles::snapshot(f.root());
        f.dialogs.queueAnswer(answer);
        auto c = f.context();
        QCOMPARE(cmdUpdate_Click(c, index).outcome, Outcome::NotStarted);
        QStringList texts{index == 0 ? u"Do you want to backup the existing files?"_qs
                                     : u"Do you want to backup the existing assembly line?"_qs};
        if (!removed.isEmpty())
            texts.append(f.at(removed) + message);
        QCOMPARE(f.dialogs.texts(), texts);
        QCOMPARE(f.view.lines, QStringList{u"earlier log"_qs});
        QCOMPARE(f.view.caption, u"earlier caption"_qs);
        QCOMPARE(TreeFiles::snapshot(f.root()), before);
        QCOMPARE(f.searchWindowClosed, 1);
    }

    // Both runs with backups on the golden input; the tools must then equal the golden
    // output whole, and the window be ready for the next run.
    void goldenRuns()
    {
        InstallFixture f;
        // A tool file newer than the data set's stays.
        TreeFiles::touch(f.at(u"NCSEXPER/SGDAT/S.IPO"_qs), QDateTime(QDate(2022, 1, 1), QTime(0, 0)));
        // The partial copy a killed run left behind goes before the backup; look-alikes stay.
        QVERIFY(TreeFiles::build(f.root(), {{u"EDIABAS/ECU/A.PRG.quillon~"_qs, "half"},
                                            {u"EDIABAS/ECU/KEEP.quillon"_qs, "not ours"},
                                            {u"EDIABAS/ECU/.quillon~"_qs, "no name"},
                                            {u"EDIABAS/ECU_20100101_000000/OLD.PRG.quillon~"_qs, "half"}}));
        f.dialogs.queueAnswer(MessageAnswer::Yes);
        f.dialogs.queueAnswer(MessageAnswer::Yes);
        auto c = f.context();
        QCOMPARE(cmdUpdate_Click(c, 0).outcome, Outcome::Ready);
        QCOMPARE(f.view.caption, u"Update SP-daten ready [16 files updated]"_qs);
        QCOMPARE(cmdUpdate_Click(c, 1).outcome, Outcome::Ready);
        QCOMPARE(f.view.caption, u"Update WinKFP ready [3 folders updated]"_qs);
        QCOMPARE(f.view.lines.mid(f.view.lines.size() - 2), (QStringList{QString(), u"UPDATE READY"_qs}));
        QVERIFY(f.view.updateButtonsEnabled && !f.busy.isBusy() && f.view.logVisible);
        QVERIFY(QDir().rmdir(f.at(u"EDIABAS/ECU_20100101_000000"_qs))); // its leftover went too
        const TreeSnapshot expected = TreeFiles::snapshot(InstallFixture::Golden + u"/expected"_qs);
        const TreeSnapshot actual = f.tools();
        QCOMPARE(actual.keys(), expected.keys());
        for (const QString& file : expected.keys())
            QCOMPARE(actual.value(file), expected.value(file));
    }

    void faultAtEveryOperation_data()
    {
        addColumns<int, MessageAnswer>("index", "answer");
        QTest::newRow("SP-daten, backup") << 0 << MessageAnswer::Yes;
        QTest::newRow("SP-daten, no backup") << 0 << MessageAnswer::No;
        QTest::newRow("WinKFP, backup") << 1 << MessageAnswer::Yes;
        QTest::newRow("WinKFP, no backup") << 1 << MessageAnswer::No;
    }
    // A run stopped by its k-th file operation loses no file of the tools, except where
    // the run means to; with backups, its restore record gives the tools back whole.
    void faultAtEveryOperation()
    {
        QFETCH(int, index);
        QFETCH(MessageAnswer, answer);
        const bool backup = answer == MessageAnswer::Yes;
        int operations = 0;
        {
            RealFileOps real;
            FaultyFileOps counting(real);
            InstallFixture f(&counting);
            f.dialogs.queueAnswer(answer);
            auto c = f.context();
            c.recordsFolder = f.records.path();
            QCOMPARE(cmdUpdate_Click(c, index).outcome, Outcome::Ready);
            QCOMPARE(QDir(f.records.path()).isEmpty(), !backup); // no backups, nothing to restore
            operations = counting.count();
        }
        QVERIFY(operations > 15);

        for (int k = 1; k <= operations; ++k) {
            RealFileOps real;
            FaultyFileOps faulty(real, k);
            InstallFixture f(&faulty);
            QString captionAtFault;
            faulty.onFailure = [&] { captionAtFault = f.view.caption; };
            const TreeSnapshot before = f.tools();
            const TreeSnapshot beforeWithTimes = f.tools(true);
            TreeSnapshot dataSet = TreeFiles::snapshot(f.at(InstallFixture::DataSet));
            QSet<QByteArray> written;
            for (const QByteArray& bytes : dataSet)
                written << bytes << SgidcFile::commentLongLines(bytes);

            f.dialogs.queueAnswer(answer);
            auto c = f.context();
            c.recordsFolder = f.records.path();
            const InstallRunResult result = cmdUpdate_Click(c, index);
            const QString where = u"operation "_qs + QString::number(k);
            QVERIFY2(faulty.failed(), qPrintable(where));
            // A record that cannot be closed leaves the run ready, its record read as a stopped run.
            const bool recordEnd = captionAtFault.contains(u"ready"_qs);
            QVERIFY2(result.outcome == (recordEnd ? Outcome::Ready : Outcome::Failed), qPrintable(where));
            if (!recordEnd)
                QVERIFY2(result.failedStep == captionAtFault || result.failedStep == u"Restore record"_qs,
                         qPrintable(where + u": "_qs + result.failedStep));
            QCOMPARE(f.view.caption, captionAtFault);
            QCOMPARE(f.view.lines.mid(f.view.lines.size() - 2), (QStringList{QString(), u"UPDATE READY"_qs}));
            QVERIFY2(f.view.updateButtonsEnabled && !f.busy.isBusy(), qPrintable(where));

            const TreeSnapshot after = f.tools();
            for (auto it = before.begin(); it != before.end(); ++it) {
                const QString& file = it.key();
                if (file.endsWith(u'/'))
                    continue;
                const QByteArray now = after.value(file, "\x01missing");
                if (now == it.value())
                    continue;
                bool saved = false;
                for (const QString& place : backupPlaces(file))
                    saved = saved || after.value(place, "\x01missing") == it.value();
                // Deliberate losses: ATS files one level below DATA; after a No the old
                // subfolders of DATA and overwritten files; the files in DATEN itself always.
                const bool ats = file.startsWith(u"NFS/DATA/"_qs) && file.count(u'/') == 3 && file.endsWith(u".ATS"_qs);
                const bool replaced = !backup && file.startsWith(u"NFS/DATA/"_qs) && file.count(u'/') >= 3;
                const bool daten = file.startsWith(u"NCSEXPER/DATEN/"_qs) && file.count(u'/') == 2;
                const bool overwritten = written.contains(now) && (!backup || daten);
                QVERIFY2(saved || ats || replaced || overwritten, qPrintable(where + u" lost "_qs + file));
            }
            QCOMPARE(TreeFiles::snapshot(f.at(InstallFixture::DataSet)), dataSet);
            if (!backup)
                continue;
            if (result.restoreRecord.isEmpty()) { // no record could be started: nothing changed
                QVERIFY2(f.tools(true) == beforeWithTimes, qPrintable(where));
                continue;
            }
            const auto restored = Restore::run(result.restoreRecord, real, f.view, {true});
            QVERIFY2(restored.kind == Restore::Outcome::Kind::Restored,
                     qPrintable(where + restored.problems.join(u'\n')));
            QVERIFY2(f.tools(true) == beforeWithTimes, qPrintable(where));
        }
    }

    // Links meet the WinKFP run: nothing outside the tool folders may change.
    void winKfpWithLinks_data()
    {
        // link: made to point into the folder "outside"; pointsTo: below "outside"; linkAfter: where the link is
        // afterwards, empty when gone
        addColumns<MessageAnswer, QString, QString, Outcome, QString>("answer", "link", "pointsTo", "outcome",
                                                                      "linkAfter");
        QTest::newRow("linked family in the data set") << MessageAnswer::Yes << u"SP-E46/DATA/FAM3"_qs << u"FAM"_qs
                                                       << Outcome::NotStarted << u"SP-E46/DATA/FAM3"_qs;
        QTest::newRow("linked family in NFS, backup")
            << MessageAnswer::Yes << u"NFS/DATA/FAM2"_qs << u"FAM"_qs << Outcome::Ready
            << u"NFS/DATA"_qs + InstallFixture::Stamp + u"/FAM2"_qs;
        QTest::newRow("linked family in NFS, no backup")
            << MessageAnswer::No << u"NFS/DATA/FAM2"_qs << u"FAM"_qs << Outcome::Ready << QString();
        QTest::newRow("linked SGIDC.AS2 arrives with the data set")
            << MessageAnswer::No << u"SP-E46/DATA/GDATEN/SGIDC.AS2"_qs << u"FAM/SGIDC.AS2"_qs << Outcome::Failed
            << u"NFS/DATA/GDATEN/SGIDC.AS2"_qs;
    }
    void winKfpWithLinks()
    {
        QUILLON_NEEDS_SYMLINKS();
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, link);
        QFETCH(QString, pointsTo);
        QFETCH(Outcome, outcome);
        QFETCH(QString, linkAfter);
        InstallFixture f;
        QVERIFY(TreeFiles::build(f.root(), {{u"outside/FAM/SGIDC.AS2"_qs, QByteArray(320, 'L')}}));
        const TreeSnapshot outside = TreeFiles::snapshot(f.at(u"outside"_qs));
        QFile::remove(f.at(link));
        QVERIFY(QFile::link(f.at(u"outside/"_qs + pointsTo), f.at(link)));
        const TreeSnapshot before = TreeFiles::snapshot(f.root());

        f.dialogs.queueAnswer(answer);
        auto c = f.context();
        QCOMPARE(cmdUpdate_Click(c, 1).outcome, outcome);
        QCOMPARE(TreeFiles::snapshot(f.at(u"outside"_qs)), outside);
        if (outcome == Outcome::NotStarted) {
            QCOMPARE(f.dialogs.texts().last(), f.at(link) + u" is a symbolic link.\r\nUpdate WinKFP not possible."_qs);
            QCOMPARE(TreeFiles::snapshot(f.root()), before);
        } else {
            QCOMPARE(TreeFiles::snapshot(f.at(u"NFS/DATA/FAM2"_qs)).value(u"G.DAT"_qs), "G new\r\n");
        }
        if (!linkAfter.isEmpty())
            QVERIFY(QFileInfo(f.at(linkAfter)).isSymLink());
    }
};

QTEST_GUILESS_MAIN(TestInstallRuns)
#include "test_install_runs.moc"

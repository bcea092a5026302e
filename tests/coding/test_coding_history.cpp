#include "coding/coding_history.h"
#include "common/clock.h"
#include "support/data_table.h"
#include "support/test_files.h"
#include "trace/trace_functions.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList kTrace{u"LICHT"_qs, u"\taktiv"_qs, u"BLINKEN"_qs, u"\tdrei_mal"_qs};
const QStringList kSaved{u"LICHT"_qs, u"\taktiv"_qs, u"BLINKEN"_qs, u"\tfuenf_mal"_qs};

} // namespace

class TestCodingHistory : public QObject {
    Q_OBJECT
private slots:
    // 200 states kept before, one more saved: the oldest goes, other folders stay.
    void pruning()
    {
        QTemporaryDir dir;
        const QDateTime first(QDate(2024, 1, 1), QTime(8, 0));
        for (int i = 0; i < CodingHistory::kKept; ++i)
            QVERIFY(QDir().mkpath(dir.filePath(DateText::stamp(first.addSecs(60 * i)) + u" E60 - FRM"_qs)));
        QVERIFY(QDir().mkpath(dir.filePath(u"notes"_qs)));
        // The oldest name, on a link to a work folder elsewhere: never pruned through.
        QTemporaryDir work;
        QVERIFY(TestFiles::write(work.filePath(u"FSW_PSW.TRC"_qs), "keep"));
        QVERIFY(QFile::link(work.path(), dir.filePath(u"20000101_000000"_qs)));
        const QDateTime last = first.addSecs(60 * CodingHistory::kKept);
        QVERIFY(CodingHistory::KeepSnapshot(dir.path(), last, u"E60"_qs, u"A/B"_qs, kTrace, kSaved));
        QCOMPARE(CodingHistory::ListSnapshots(dir.path()).size(), CodingHistory::kKept);
        QVERIFY(!QFileInfo::exists(dir.filePath(u"20240101_080000 E60 - FRM"_qs)));
        // A second save in the same second gets a folder of its own and counts as newer.
        QVERIFY(CodingHistory::KeepSnapshot(dir.path(), last, QString(), QString(), kTrace, kSaved));

        const QList<CodingHistory::Snapshot> kept = CodingHistory::ListSnapshots(dir.path());
        QCOMPARE(kept.size(), CodingHistory::kKept);
        QCOMPARE(QDir(kept[0].folder).dirName(), u"20240101_112000_2"_qs);
        QCOMPARE(QDir(kept[1].folder).dirName(), u"20240101_112000 E60 - A_B"_qs);
        QCOMPARE(kept.last().time, first.addSecs(60 * 2));
        QVERIFY(QFileInfo::exists(dir.filePath(u"notes"_qs)));
        QCOMPARE(TestFiles::read(work.filePath(u"FSW_PSW.TRC"_qs)), QByteArray("keep"));
        // A kept state tells what its MAN file changed and what it shares with the loaded
        // trace; one without its files cannot be read.
        const auto details = CodingHistory::ReadSnapshot(kept[1], ReadTraceFunctions(kTrace).value());
        QVERIFY(details && details->changedValues == 1 && details->sharedFunctions == 2);
        QVERIFY(!CodingHistory::ReadSnapshot(kept.last(), {}));
    }

    // A snapshot sharing less than 90 % of the loaded trace's functions looks like another
    // module; exactly 90 % is still the same one.
    void sameModuleRule_data()
    {
        addColumns<int, int, int, QString, bool>("shared", "snapshotFunctions", "loaded", "match", "other");
        QTest::newRow("all") << 40 << 40 << 40 << u"match"_qs << false;
        QTest::newRow("all, snapshot holds more") << 40 << 41 << 40 << u"40 of 40 functions"_qs << false;
        QTest::newRow("exactly 90 %") << 36 << 36 << 40 << u"36 of 40 functions"_qs << false;
        QTest::newRow("just under 90 %") << 35 << 40 << 40 << u"35 of 40 functions"_qs << true;
    }
    void sameModuleRule()
    {
        QFETCH(int, shared);
        QFETCH(int, snapshotFunctions);
        QFETCH(int, loaded);
        CodingHistory::SnapshotDetails details;
        details.sharedFunctions = shared;
        details.trace.resize(snapshotFunctions);
        QTEST(CodingHistory::MatchText(details, loaded), "match");
        QTEST(CodingHistory::LooksLikeOtherModule(details, loaded), "other");
    }
};

QTEST_GUILESS_MAIN(TestCodingHistory)
#include "test_coding_history.moc"

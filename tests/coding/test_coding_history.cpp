#include "coding/coding_history.h"
#include "coding/save_manipulation_file.h"
#include "common/clock.h"
#include "common/text_file.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "trace/apply_values.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList kTrace{u"LICHT"_qs, u"\taktiv"_qs, u"BLINKEN"_qs, u"\tdrei_mal"_qs};
const QStringList kEarlier{u"BLINKEN"_qs, u"\tfuenf_mal"_qs, u"LICHT"_qs, u"\taktiv"_qs};
const QStringList kSaved{u"LICHT"_qs, u"\taktiv"_qs, u"BLINKEN"_qs, u"\tfuenf_mal"_qs};

} // namespace

class TestCodingHistory : public QObject {
    Q_OBJECT
private slots:
    // An applied value is saved, logged and kept in the history like one typed in; a
    // history that cannot be written changes nothing of the save, and is told last.
    void saveAfterApply_data()
    {
        QTest::addColumn<bool>("historyBlocked");
        QTest::newRow("history kept") << false;
        QTest::newRow("history cannot be written") << true;
    }
    void saveAfterApply()
    {
        QFETCH(bool, historyBlocked);
        QTemporaryDir dir;
        const QString ncs = dir.filePath(u"NCSEXPER"_qs);
        const QString history = dir.filePath(u"history"_qs);
        QVERIFY(TestFiles::makeDirs(dir.path(), {u"program"_qs, u"NCSEXPER/WORK"_qs}));
        QVERIFY(!historyBlocked || TestFiles::write(history, "a file where the folder should be"));
        TraceSession session;
        BuildTraceTree(session.tree(), kTrace, &session.TraceLines);
        session.showTree();
        ApplyValues::ApplyTraceValues(session, ReadTraceFunctions(kEarlier).value(), {});
        ScriptedDialogs dialogs;
        dialogs.queueAnswer(MessageAnswer::No); // no backup of the MAN file
        QString saveTag;
        SaveManipulationFile({ncs, dir.filePath(u"program"_qs), u"E60"_qs, u"FRM.C05"_qs, history}, session, dialogs,
                             FixedClock(), saveTag, {});

        QCOMPARE(TestFiles::read(manipulationFilePath(ncs)), TestFiles::crlf(kSaved));
        const QStringList log = TextFile::readLines(dir.filePath(u"program/Codinglog.txt"_qs)).value();
        QCOMPARE(log.mid(5), (QStringList{u"Module changed\t: E60 - FRM.C05"_qs, QString(),
                                          u"Changed values\t: BLINKEN"_qs, u"\t\t  drei_mal --> fuenf_mal"_qs,
                                          QString(), u"Backup saved as\t: "_qs, QString(51, u'='), QString()}));
        QCOMPARE(session.listItems().last(), u"--> Execute job (F3)"_qs);
        QCOMPARE(dialogs.messages.size(), historyBlocked ? 2 : 1);
        if (historyBlocked) {
            QVERIFY(dialogs.texts().last().startsWith(u"MAN-file is saved, but the coding history could not keep"_qs));
            return;
        }
        const QList<CodingHistory::Snapshot> kept = CodingHistory::ListSnapshots(history);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(QDir(kept[0].folder).dirName(), u"20121231_235959 E60 - FRM.C05"_qs);
        QCOMPARE(TestFiles::read(CodingHistory::tracePath(kept[0])), TestFiles::crlf(kTrace));
        QCOMPARE(TestFiles::read(CodingHistory::manipulationPath(kept[0])), TestFiles::crlf(kSaved));
    }

    // 200 states kept before, one more saved: the oldest goes, other folders stay.
    void pruning()
    {
        QTemporaryDir dir;
        const QDateTime first(QDate(2024, 1, 1), QTime(8, 0));
        for (int i = 0; i < CodingHistory::kKept; ++i)
            QVERIFY(QDir().mkpath(dir.filePath(DateText::stamp(first.addSecs(60 * i)) + u" E60 - FRM"_qs)));
        QVERIFY(QDir().mkpath(dir.filePath(u"notes"_qs)));
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
    }
};

QTEST_GUILESS_MAIN(TestCodingHistory)
#include "test_coding_history.moc"

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

struct SaveAfterApply {
    QTemporaryDir dir;
    QString ncs = dir.filePath(u"NCSEXPER"_qs);
    QString program = dir.filePath(u"program"_qs);
    QString history = dir.filePath(u"history"_qs);
    TraceSession session;
    ScriptedDialogs dialogs;
    FixedClock clock;
    QString saveTag;

    void run()
    {
        QDir().mkpath(program);
        TestFiles::makeDirs(ncs, {u"WORK"_qs});
        BuildTraceTree(session.tree(), kTrace, &session.TraceLines);
        session.showTree();
        ApplyValues::ApplyTraceValues(session, ReadTraceFunctions(kEarlier).value(), {});
        dialogs.queueAnswer(MessageAnswer::No); // no backup of the MAN file
        SaveManipulationFile({ncs, program, u"E60"_qs, u"FRM.C05"_qs, history}, session, dialogs, clock, saveTag, {});
    }
};

} // namespace

class TestCodingHistory : public QObject {
    Q_OBJECT
private slots:
    // An applied value is saved, summarised, logged and kept in the history like one typed in.
    void saveAfterApply()
    {
        SaveAfterApply f;
        f.run();
        QCOMPARE(TestFiles::read(manipulationFilePath(f.ncs)), TestFiles::crlf(kSaved));
        const QStringList log = TextFile::readLines(f.program + u"/Codinglog.txt"_qs).value();
        QCOMPARE(log.mid(5), (QStringList{u"Module changed\t: E60 - FRM.C05"_qs, QString(),
                                          u"Changed values\t: BLINKEN"_qs, u"\t\t  drei_mal --> fuenf_mal"_qs,
                                          QString(), u"Backup saved as\t: "_qs, QString(51, u'='), QString()}));
        QCOMPARE(f.dialogs.texts(), QStringList{u"MAN-file is saved.\r\nDo you want to backup the MAN-file?"_qs});

        const QList<CodingHistory::Snapshot> kept = CodingHistory::ListSnapshots(f.history);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(QDir(kept[0].folder).dirName(), u"20121231_235959 E60 - FRM.C05"_qs);
        QCOMPARE(kept[0].module, u"E60 - FRM.C05"_qs);
        QCOMPARE(TestFiles::read(CodingHistory::tracePath(kept[0])), TestFiles::crlf(kTrace));
        QCOMPARE(TestFiles::read(CodingHistory::manipulationPath(kept[0])), TestFiles::crlf(kSaved));
        const auto details = CodingHistory::ReadSnapshot(kept[0], ReadTraceFunctions(kEarlier).value());
        QCOMPARE(details->changedValues, 1);
        QCOMPARE(details->sharedFunctions, 2);
    }

    // A history that cannot be written changes nothing of the save; the user hears of it last.
    void snapshotFailureLeavesTheSave()
    {
        SaveAfterApply f;
        QVERIFY(TestFiles::write(f.history, "a file where the folder should be"));
        f.run();
        QCOMPARE(TestFiles::read(manipulationFilePath(f.ncs)), TestFiles::crlf(kSaved));
        QVERIFY(TextFile::readLines(f.program + u"/Codinglog.txt"_qs)->contains(u"\t\t  drei_mal --> fuenf_mal"_qs));
        QCOMPARE(f.session.listItems().last(), u"--> Execute job (F3)"_qs);
        QCOMPARE(f.dialogs.messages.size(), 2);
        QVERIFY(f.dialogs.texts().last().startsWith(u"MAN-file is saved, but the coding history could not keep it"_qs));
        QCOMPARE(TestFiles::read(f.history), QByteArray("a file where the folder should be"));
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

#include "common/paths.h"
#include "faulty_file_ops.h"
#include "install/install_lock.h"
#include "install/record_line.h"
#include "install/restore_record.h"
#include "install/restore_run.h"
#include "install_fixture.h"
#include "support/data_table.h"
#include "support/test_files.h"
#include "tree_snapshot.h"

#include <QDir>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

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
    Restore::Outcome restore(FileOps& ops, bool stopped = false)
    {
        return Restore::run(result.restoreRecord, ops, f.view, {stopped});
    }
    // The tool folders and the records, so a backup kept aside counts too.
    TreeSnapshot everything() const
    {
        TreeSnapshot all = f.tools();
        all.insert(TreeFiles::snapshot(f.records.path()));
        return all;
    }
    QByteArray record() const
    {
        return TreeFiles::snapshot(f.records.path()).value(Paths::nameOf(result.restoreRecord));
    }
};

// A record's lines without their checks, and a record written from such lines with
// checks that hold: what a crafted record looks like.
QList<QByteArray> bodies(const QByteArray& record)
{
    QList<QByteArray> lines = record.split('\n').mid(1);
    lines.removeLast();
    for (QByteArray& line : lines)
        line = line.mid(9);
    return lines;
}
QByteArray signedRecord(const QList<QByteArray>& bodies)
{
    QByteArray bytes = "quillon restore record 2\n";
    quint32 chain = 0;
    for (const QByteArray& body : bodies) {
        chain = chainCheck(chain, body);
        bytes += QByteArray::number(chain, 16).rightJustified(8, '0') + '\t' + body + '\n';
    }
    return bytes;
}

// Writes bytes over a file and gives it back its time to the nanosecond.
void replaceKeepingTime(const QString& path, const QByteArray& bytes)
{
    namespace fs = std::filesystem;
    const fs::path file = QFile::encodeName(path).toStdString();
    const auto time = fs::last_write_time(file);
    QVERIFY(TestFiles::write(path, bytes));
    fs::last_write_time(file, time);
}

} // namespace

class TestRestore : public QObject {
    Q_OBJECT
private slots:
    // A restore gives the tool folders back. One stopped by its k-th file operation (a
    // record line torn as on a full disk) refuses or leaves every file as the run left it
    // or as it was before (or gone with a folder the run moved away); a file it could not
    // read is never called changed; a second restore finishes the job.
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
        int operations = 0, checking = 0;
        {
            Installed run(index, dataSet);
            QCOMPARE(run.result.outcome, InstallRunResult::Outcome::Ready);
            QVERIFY(run.f.tools(true) != before);
            RealFileOps real;
            FaultyFileOps counting(real);
            run.f.view.onLine = [&] { checking = checking ? checking : counting.count(); };
            QCOMPARE(run.restore(counting).kind, Kind::Restored);
            operations = counting.count();
            QCOMPARE(run.f.tools(true), before);
            QCOMPARE(run.f.view.lines.last(), QString());
        }
        QVERIFY(operations > checking && checking > 10);
        // The check only reads: a third of its operations stand for all of them.
        for (int k = 1; k <= operations; k += k < checking ? 3 : 1) {
            const QString where = u"operation "_qs + QString::number(k);
            Installed run(index, dataSet);
            const TreeSnapshot after = run.f.tools(true); // SGIDC.AS2 is written at the run's own time
            RealFileOps real;
            FaultyFileOps faulty(real, k);
            const Restore::Outcome outcome = run.restore(faulty);
            QVERIFY2(outcome.problems.filter(u"changed since"_qs).isEmpty(), qPrintable(where));
            if (outcome.kind == Kind::Restored) { // a read that failed where it was not needed
                QVERIFY2(run.f.tools(true) == before, qPrintable(where));
                continue;
            }
            const TreeSnapshot middle = run.f.tools(true);
            for (auto it = middle.begin(); it != middle.end(); ++it)
                QVERIFY2(before.value(it.key()) == it.value() || after.value(it.key()) == it.value(),
                         qPrintable(where + u": "_qs + it.key()));
            const Restore::Outcome again = run.restore(real);
            QVERIFY2(again.kind == Kind::Restored, qPrintable(where + again.problems.join(u'\n')));
            QVERIFY2(run.f.tools(true) == before, qPrintable(where));
        }
    }

    // Anything changed since the run refuses the restore, naming the file; nothing is touched.
    void refused_data()
    {
        // bytes: written there (keepTime: with the same size and time), or empty to remove the file
        addColumns<int, QString, QByteArray, bool, QString>("index", "path", "bytes", "keepTime", "problem");
        QTest::newRow("updated file edited")
            << 0 << u"EDIABAS/ECU/A.PRG"_qs << QByteArray("edited") << false << u": changed since the installation"_qs;
        QTest::newRow("edit that kept size and time")
            << 0 << u"EDIABAS/ECU/B.PRG"_qs << QByteArray() << true << u": changed since the installation"_qs;
        QTest::newRow("backup gone") << 0 << u"EDIABAS/ECU_20121231_235959/A.PRG"_qs << QByteArray() << false
                                     << u": the backup of "_qs;
        QTest::newRow("backup edited") << 0 << u"EDIABAS/ECU_20121231_235959/A.PRG"_qs << QByteArray("x") << false
                                       << u": the backup of "_qs;
        QTest::newRow("file added to a backup folder")
            << 0 << u"EDIABAS/ECU_20121231_235959/NEW.PRG"_qs << QByteArray("x") << false
            << u": added after the installation"_qs;
        QTest::newRow("file added to a family")
            << 1 << u"NFS/DATA/FAM2/MINE.DAT"_qs << QByteArray("x") << false << u": added after the installation"_qs;
        QTest::newRow("folder in the way of a move back")
            << 1 << u"NFS/DATA/FAM9/"_qs << QByteArray("folder") << false << u": in the way of "_qs;
    }
    void refused()
    {
        QFETCH(int, index);
        QFETCH(QString, path);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, keepTime);
        QFETCH(QString, problem);
        Installed run(index, u"SP-E46"_qs);
        QString file = run.f.at(path);
        if (path.endsWith(u'/')) // a folder: the native path ends in the separator
            file.chop(1);
        if (keepTime)
            replaceKeepingTime(file, QByteArray(TreeFiles::snapshot(run.f.root()).value(path).size(), '?'));
        else if (bytes.isEmpty())
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

    // A backup damaged with its size and time kept is found as it is copied back: it
    // replaces nothing, and the message names it.
    void damagedBackupReplacesNothing()
    {
        Installed run(0, u"SP-E46"_qs);
        const QString backup = run.f.at(u"EDIABAS/ECU_20121231_235959/A.PRG"_qs);
        const QByteArray installed = TreeFiles::snapshot(run.f.root()).value(u"EDIABAS/ECU/A.PRG"_qs);
        replaceKeepingTime(backup, QByteArray(QFileInfo(backup).size(), '?'));
        RealFileOps ops;
        const auto outcome = run.restore(ops);
        QCOMPARE(outcome.kind, Kind::Failed);
        QVERIFY2(outcome.problems.value(0).startsWith(backup + u": the backup of "_qs),
                 qPrintable(outcome.problems[0]));
        QCOMPARE(TreeFiles::snapshot(run.f.root()).value(u"EDIABAS/ECU/A.PRG"_qs), installed);
    }

    // Crafted or damaged records are refused whole before anything changes.
    void craftedRecords_data()
    {
        // edit: what is done to the record's lines; problem: part of the refusal
        addColumns<QString, QString>("edit", "problem");
        QTest::newRow("absolute path") << u"new path /outside/victim.txt"_qs << u"not a path inside its tool folder"_qs;
        QTest::newRow("climbs out") << u"new path ECU/../../outside/victim.txt"_qs
                                    << u"not a path inside its tool folder"_qs;
        QTest::newRow("linked parent folder") << u"link ECU"_qs << u"leads out of"_qs;
        QTest::newRow("one changed character") << u"flip"_qs << u"was changed or damaged"_qs;
        QTest::newRow("tool folder elsewhere") << u"tool"_qs << u"a folder the record names is missing"_qs;
        QTest::newRow("no closing line") << u"cut end"_qs << u"stopped before it ended"_qs;
        QTest::newRow("run line without its fields") << u"short run"_qs << u"line 2 cannot be read"_qs;
        QTest::newRow("first form, relative path") << u"first relative"_qs << u"not inside the folders"_qs;
        QTest::newRow("first form, outside path") << u"first outside"_qs << u"not inside the folders"_qs;
    }
    void craftedRecords()
    {
        QFETCH(QString, edit);
        QFETCH(QString, problem);
        Installed run(0, u"SP-E46"_qs);
        QVERIFY(TreeFiles::build(run.f.root(), {{u"outside/victim.txt"_qs, "keep"}, {u"outside/ECU/"_qs, {}}}));
        const QString path = run.result.restoreRecord;
        QByteArray bytes = run.record();
        QList<QByteArray> lines = bodies(bytes);
        const auto line = [&lines](const char* word) -> QByteArray& {
            return *std::find_if(lines.begin(), lines.end(),
                                 [word](const QByteArray& l) { return l.startsWith(word); });
        };
        const QByteArray outside = QFile::encodeName(run.f.at(u"outside/victim.txt"_qs));
        const QByteArray time = line("run\t").split('\t')[2];
        if (edit.startsWith(u"new path "_qs))
            line("new\t") = "new\t1\t" + edit.mid(9).toUtf8();
        else if (edit == u"tool") // the second names EDIABAS, the first the records
            lines[lines.indexOf(line("tool\t")) + 1] = "tool\t" + QFile::encodeName(run.f.at(u"GONE"_qs));
        else if (edit == u"short run")
            line("run\t") = "run\tsp-daten";
        else if (edit == u"cut end")
            lines.removeIf([](const QByteArray& l) { return l.startsWith("end"); });
        if (edit.startsWith(u"first"_qs)) {
            bytes = "quillon restore record 1\nrun\tsp-daten\t" + time + "\tSP\nfolder\t"
                    + QFile::encodeName(run.f.at(u"EDIABAS/ECU_20121231_235959"_qs)) + "\nnew\t"
                    + (edit.endsWith(u"relative"_qs) ? QByteArray("EDIABAS/ECU/B.PRG") : outside) + "\nend\n";
        } else if (edit == u"flip") {
            bytes[bytes.indexOf("\tnew\t") + 8] ^= 1;
        } else {
            bytes = signedRecord(lines);
        }
        if (edit == u"link ECU") { // the tool's folder now leads outside, with the same files
#ifdef Q_OS_WIN
            QSKIP("QFile::link makes a shortcut there, which no path is resolved through");
#endif
            QVERIFY(QDir().rename(run.f.at(u"EDIABAS/ECU"_qs), run.f.at(u"outside/ECU2"_qs)));
            QVERIFY(QFile::link(run.f.at(u"outside/ECU2"_qs), run.f.at(u"EDIABAS/ECU"_qs)));
        }
        QVERIFY(TestFiles::write(path, bytes));
        const TreeSnapshot files = TreeFiles::snapshot(run.f.root());
        RealFileOps ops;
        const auto outcome = run.restore(ops);
        QCOMPARE(outcome.kind, Kind::Refused);
        QVERIFY2(outcome.problems.join(u'\n').contains(problem), qPrintable(outcome.problems.join(u'\n')));
        QCOMPARE(TreeFiles::snapshot(run.f.root()), files);
    }

    // A record cut after any line, restored as a stopped run, is refused with nothing
    // changed or undoes what it lists without losing a file: every original's bytes are
    // still in the tool folders or a backup.
    void recordCutAtEveryLine_data()
    {
        addColumns<int>("index");
        QTest::newRow("SP-daten") << 0;
        QTest::newRow("WinKFP") << 1;
    }
    void recordCutAtEveryLine()
    {
        QFETCH(int, index);
        const TreeSnapshot before = InstallFixture().tools();
        const qsizetype lines = Installed(index, u"SP-E46"_qs).record().count('\n');
        QVERIFY(lines > 10);
        for (qsizetype keep = 1; keep < lines; ++keep) {
            Installed run(index, u"SP-E46"_qs);
            const QList<QByteArray> all = run.record().split('\n');
            QVERIFY(TestFiles::write(run.result.restoreRecord, all.mid(0, keep).join('\n') + '\n'));
            const TreeSnapshot installed = run.f.tools();
            RealFileOps ops;
            const auto outcome = run.restore(ops, true);
            const QString where =
                u"cut after line "_qs + QString::number(keep) + u": "_qs + outcome.problems.join(u' ');
            QVERIFY2(outcome.kind != Kind::Failed, qPrintable(where));
            if (outcome.kind == Kind::Refused)
                QVERIFY2(run.f.tools() == installed, qPrintable(where));
            const QList<QByteArray> kept = run.everything().values();
            for (auto it = before.begin(); it != before.end(); ++it)
                QVERIFY2(it.key().endsWith(u'/') || kept.contains(it.value()), qPrintable(where + it.key()));
        }
    }

    // Names with characters a record must encode (its own field and line separators, '%',
    // letters beyond ASCII) are backed up, recorded and put back byte for byte.
    void namesARecordEncodes()
    {
        QStringList names{u"%41 100%.PRG"_qs, u"\u00c4NDERUNG #1.PRG"_qs, u"\U0001F697.PRG"_qs};
#ifndef Q_OS_WIN
        names += {u"TAB\tIN.PRG"_qs, u"LINE\nEND.PRG"_qs, u"BACK\\SLASH.PRG"_qs};
#endif
        InstallFixture f(nullptr, u"SP-E46"_qs);
        for (const QString& name : names) {
            QVERIFY(TreeFiles::build(f.root(), {{u"EDIABAS/ECU/"_qs + name, "old " + name.toUtf8()},
                                                {u"SP-E46/ECU/"_qs + name, "new " + name.toUtf8()}}));
            QVERIFY(TreeFiles::touch(f.at(u"EDIABAS/ECU/"_qs + name), QDateTime(QDate(2020, 1, 1), QTime(8, 0))));
            QVERIFY(TreeFiles::touch(f.at(u"SP-E46/ECU/"_qs + name), QDateTime(QDate(2021, 6, 1), QTime(8, 0))));
        }
        const TreeSnapshot before = f.tools(true);
        f.dialogs.queueAnswer(MessageAnswer::Yes);
        f.dialogs.queueAnswer(MessageAnswer::Yes);
        auto c = f.context();
        c.recordsFolder = f.records.path();
        const InstallRunResult result = cmdUpdate_Click(c, 0);
        QCOMPARE(f.tools().value(u"EDIABAS/ECU/"_qs + names[0]), "new " + names[0].toUtf8());
        RealFileOps ops;
        const Restore::Outcome outcome = Restore::run(result.restoreRecord, ops, f.view, {false});
        QVERIFY2(outcome.kind == Kind::Restored, qPrintable(outcome.problems.join(u'\n')));
        QCOMPARE(f.tools(true), before);
    }

    // Paths a record may name inside a tool folder; a step of the system's own separator
    // counts only where the writer gives native paths.
    void innerPaths_data()
    {
        addColumns<QString, bool, bool>("relative", "native", "inner");
        QTest::newRow("plain") << u"ECU/A.PRG"_qs << false << true;
        QTest::newRow("dots in a name") << u"..A/B..C"_qs << false << true;
        QTest::newRow("empty") << QString() << false << false;
        QTest::newRow("absolute") << u"/ECU/A.PRG"_qs << false << false;
        QTest::newRow("empty step") << u"ECU//A.PRG"_qs << false << false;
        QTest::newRow("trailing separator") << u"ECU/"_qs << false << false;
        QTest::newRow("dot step") << u"ECU/./A.PRG"_qs << false << false;
        QTest::newRow("climbs out") << u"ECU/../../A.PRG"_qs << false << false;
        QTest::newRow("resource") << u":/A.PRG"_qs << false << false;
#ifdef Q_OS_WIN
        QTest::newRow("drive") << u"C:/A.PRG"_qs << true << false;
        QTest::newRow("native separators") << u"ECU\\A.PRG"_qs << true << true;
        QTest::newRow("native climb") << u"ECU\\..\\A.PRG"_qs << true << false;
        QTest::newRow("backslash in a step") << u"ECU\\A.PRG"_qs << false << false;
#else
        QTest::newRow("backslash is a character") << u"ECU\\..\\A.PRG"_qs << true << true;
#endif
    }
    void innerPaths()
    {
        QFETCH(QString, relative);
        QFETCH(bool, native);
        QFETCH(bool, inner);
        QCOMPARE(RecordText::isInnerPath(relative, native), inner);
    }

    // Every character is encoded as Qt's percent-encoding with the record's kept set does,
    // so that records written before read the same.
    void encodingMatchesPercentEncoding()
    {
        QString all;
        for (char16_t c = 0; c < 0x180; ++c)
            all += QChar(c);
        all += u"\U0001F697"_qs;
        for (const QChar c : all) {
            if (c.isLowSurrogate())
                continue;
            const QString text = c.isHighSurrogate() ? all.right(2) : QString(c);
            QCOMPARE(RecordText::encode(text), text.toUtf8().toPercentEncoding(" !#$&'()*+,-./:;=@[\\]^_`{|}~"));
            QCOMPARE(RecordText::decode(RecordText::encode(text)), text);
        }
    }

    // The partial copies of killed runs never block a restore; it removes them and says so.
    void leftoversGoWithTheRestore()
    {
        const TreeSnapshot before = InstallFixture().tools();
        Installed run(0, u"SP-E46"_qs);
        QVERIFY(TreeFiles::build(run.f.root(), {{u"EDIABAS/ECU_20121231_235959/HUGE.PRG.quillon~"_qs, "half"},
                                                {u"EDIABAS/ECU/B.PRG.quillon~"_qs, "half"}}));
        RealFileOps ops;
        QCOMPARE(run.restore(ops).kind, Kind::Restored);
        QCOMPARE(run.f.tools(), before);
        QVERIFY(run.f.view.lines.contains(u"delete leftover --> HUGE.PRG.quillon~"_qs));
    }

    // The record a window selects first: the newest that can be restored, then the newest
    // stopped run, else the newest.
    void firstChoice_data()
    {
        // records, newest first: e ended, s stopped, r restored, u unreadable
        addColumns<QString, int>("records", "first");
        QTest::newRow("newest restorable") << u"ree"_qs << 1;
        QTest::newRow("ended before stopped") << u"se"_qs << 1;
        QTest::newRow("stopped when nothing ended") << u"rus"_qs << 2;
        QTest::newRow("nothing restorable") << u"ru"_qs << 0;
        QTest::newRow("no record") << QString() << -1;
    }
    void firstChoice()
    {
        QFETCH(QString, records);
        QFETCH(int, first);
        QList<Restore::RecordSummary> list;
        for (const QChar c : records) {
            list.append(Restore::RecordSummary());
            list.last().ended = c == u'e' || c == u'r';
            list.last().restored = c == u'r';
            list.last().unreadable = c == u'u' ? u"unreadable"_qs : QString();
        }
        QCOMPARE(Restore::firstChoice(list), first);
    }

    // One run at a time: a second install or restore is refused, naming the one that runs;
    // the lock of a run that was killed is taken over.
    void oneRunAtATime_data()
    {
        addColumns<bool, bool>("restore", "killed");
        QTest::newRow("install") << false << false;
        QTest::newRow("restore") << true << false;
        QTest::newRow("install after a killed run") << false << true;
    }
    void oneRunAtATime()
    {
        QFETCH(bool, restore);
        QFETCH(bool, killed);
        Installed run(0, u"SP-E46"_qs);
        auto other = std::make_unique<InstallLock>(run.f.records.path());
        if (killed) {
            other.reset();
            QVERIFY(TestFiles::write(run.f.records.path() + u"/quillon-run.lock"_qs,
                                     "999999999\nquillon-cli\n" + QSysInfo::machineHostName().toUtf8() + "\n"));
        } else {
            QVERIFY(other->take().isEmpty());
        }
        const TreeSnapshot files = TreeFiles::snapshot(run.f.root());
        QString refusal;
        if (restore) {
            RealFileOps ops;
            const auto outcome = run.restore(ops);
            refusal = outcome.kind == Kind::Refused ? outcome.problems.value(0) : QString();
        } else {
            run.f.dialogs.queueAnswer(MessageAnswer::No);
            auto c = run.f.context();
            c.recordsFolder = run.f.records.path();
            const bool started = cmdUpdate_Click(c, 0).outcome != InstallRunResult::Outcome::NotStarted;
            refusal = started ? QString() : run.f.dialogs.texts().last();
        }
        const QString pid = QString::number(QCoreApplication::applicationPid());
        QCOMPARE(refusal.contains(u"is running: test_restore (process "_qs + pid), !killed);
        QVERIFY(killed || TreeFiles::snapshot(run.f.root()) == files);
    }

    // The list reads what each record says of itself: a restored run stays ended and says
    // so; a file that is no record, or one whose run line lacks its fields, is listed with why.
    void listFromTheRecords()
    {
        Installed run(0, u"SP-E46"_qs);
        QCOMPARE(run.f.view.caption, u"Update SP-daten ready [17 files updated]"_qs); // the list's count
        RealFileOps ops;
        QCOMPARE(run.restore(ops).kind, Kind::Restored);
        const QString folder = run.f.records.path();
        QVERIFY(TestFiles::write(folder + u"/a.txt"_qs, "hello\n"));
        QVERIFY(TestFiles::write(folder + u"/b.txt"_qs, "quillon restore record 1\nrun\tsp-daten\nend\n"));
        QStringList seen;
        for (const Restore::RecordSummary& s : Restore::list(folder, ops))
            seen.append(s.unreadable.isEmpty()
                            ? s.kind + u' ' + QString::number(s.count) + (s.ended ? u" ended"_qs : QString())
                                  + (s.restored ? u" restored"_qs : QString())
                            : s.unreadable);
        QCOMPARE(seen, (QStringList{u"sp-daten 17 ended restored"_qs, u"the record names no installation"_qs,
                                    u"not a restore record"_qs}));
    }

    // Two runs of the same kind within one second each get a record of their own.
    void recordsOfTheSameSecond()
    {
        QTemporaryDir folder;
        RealFileOps ops;
        const QDateTime time(QDate(2024, 5, 1), QTime(9, 0));
        QStringList paths;
        for (int i = 0; i < 2; ++i) {
            auto writer = RestoreRecordWriter::create(ops, folder.path(), u"sp-daten"_qs, time, u"SP"_qs);
            QVERIFY2(writer, qPrintable(writer.error()));
            paths.append(writer.value()->path());
        }
        QVERIFY(paths[0] != paths[1]);
    }
};

QTEST_GUILESS_MAIN(TestRestore)
#include "test_restore.moc"

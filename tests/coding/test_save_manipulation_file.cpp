#include "coding/coding_history.h"
#include "coding/leftover_manipulation_file.h"
#include "coding/save_manipulation_file.h"
#include "common/paths.h"
#include "common/text_file.h"
#include "support/data_table.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

const QStringList kTrace{u"LICHT"_qs, u"\taktiv"_qs, u"BLINKEN"_qs, u"\tdrei_mal"_qs};
const QByteArray kOldMan("OLD MAN FILE\r\n");
const QString kTranslation = u"  -  "_qs;

// A loaded trace in a session, an NCS Expert WORK folder with an older MAN file, and a
// program folder for the log.
struct Fixture {
    QTemporaryDir dir;
    QString ncs = Paths::toNative(dir.filePath(u"NCSEXPER"_qs));
    QString program = Paths::toNative(dir.filePath(u"program"_qs));
    QString history = Paths::toNative(dir.filePath(u"history"_qs));
    TraceSession session;
    ScriptedDialogs dialogs;
    FixedClock clock;
    QString saveTag = u"EARLIER.TRC"_qs;
    QList<int> saveModes;
    int toggles = 0;

    Fixture()
    {
        TestFiles::write(manPath(), kOldMan);
        QDir().mkpath(program);
        BuildTraceTree(session.tree(), kTrace, &session.TraceLines);
        session.showTree();
        session.DefaultTraceLoaded = true;
    }
    QString manPath() const { return manipulationFilePath(ncs); }
    QString logPath() const { return program + u"/Codinglog.txt"_qs; }

    // Moves the chosen mark of function to a new value.
    void change(const QString& function, const QString& value)
    {
        const int node = session.tree().indexOfKey(function);
        for (int child : session.tree().children(node))
            session.tree().setImage(child, NodeImage::None);
        QVERIFY(session.tree().addChild(node, value, NodeImage::Chosen));
        ++session.ChangeCount;
    }
    void translate()
    {
        for (int i = 1; i <= session.tree().count(); ++i)
            session.tree().setText(i, session.tree().text(i) + kTranslation + u"Übersetzung"_qs);
        session.Translated = true;
    }
    void save(bool withToggle = true)
    {
        ManipulationSaveCalls calls;
        if (withToggle)
            calls.toggleTranslation = [this] {
                ++toggles;
                for (int i = 1; i <= session.tree().count(); ++i)
                    session.tree().setText(i, session.tree().text(i).section(kTranslation, 0, 0));
                session.Translated = false;
            };
        calls.saveFileAs = [this](int mode) {
            saveModes.append(mode);
            if (mode == 1)
                saveTag = u"FSW_PSW [DEM-LCM].TRC"_qs;
        };
        SaveManipulationFile({ncs, program, u"DEM"_qs, u"LCM"_qs, history}, session, dialogs, clock, saveTag, calls);
    }
};

} // namespace

class TestSaveManipulationFile : public QObject {
    Q_OBJECT
private slots:
    // Saves that stop before anything is written; the rows of the guards are in checking order.
    // The demo flow meets the guard of a list already saved.
    void refused_data()
    {
        // message: the only message, or a part of it
        addColumns<QString, QString, int>("setup", "message", "icon");
        const int warn = int(MessageIcon::Exclamation);
        const int critical = int(MessageIcon::Critical);
        const QString errors = u"Errors found in list.\r\nSelect the right chassis and module."_qs;
        const QString mismatch = u"Items in list do not match with TRC-file.\r\nCheck and run again."_qs;
        const QString man = QDir::toNativeSeparators(u"/WORK/FSW_PSW.MAN"_qs);
        QTest::newRow("incomplete beats unchanged") << u"incomplete unchanged"_qs << errors << warn;
        QTest::newRow("nothing changed") << u"unchanged"_qs << u"There is nothing changed."_qs << warn;
        QTest::newRow("function with two chosen values") << u"second"_qs << mismatch << warn;
        QTest::newRow("MAN path is a folder") << u"mandir"_qs << man << critical;
#ifdef Q_OS_UNIX
        QTest::newRow("disk full") << u"full"_qs << man << critical;
#endif
        QTest::newRow("translated, no way to switch it off")
            << u"translated"_qs << u"The translation could not be switched off."_qs << critical;
    }
    void refused()
    {
        QFETCH(QString, setup);
        Fixture f;
        f.change(u"LICHT"_qs, u"nicht_aktiv"_qs);
        if (setup == u"second")
            QVERIFY(f.session.tree().addChild(f.session.tree().indexOfKey(u"LICHT"_qs), u"zwei"_qs, NodeImage::Chosen));
        f.session.ValuesIncomplete = setup.contains(u"incomplete");
        const bool unchanged = setup.contains(u"unchanged");
        f.session.ChangeCount = unchanged ? 0 : 1;
        if (setup == u"mandir")
            QVERIFY(QFile::remove(f.manPath()) && QDir().mkpath(f.manPath()));
        if (setup == u"translated")
            f.translate();
        const QStringList listBefore = f.session.listItems();
        const bool treeBefore = f.session.treeVisible();
        {
            std::optional<TestFiles::FileSizeLimit> limit;
            if (setup == u"full")
                limit.emplace();
            f.save(setup != u"translated");
        }
        QFETCH(QString, message);
        QCOMPARE(f.dialogs.texts().size(), 1);
        QVERIFY2(f.dialogs.texts().first().contains(message), qPrintable(f.dialogs.texts().first()));
        QTEST(int(f.dialogs.messages.first().icon), "icon");
        // The old MAN file stays as it was and nothing half-written is left beside it.
        const bool manFile = setup != u"mandir";
        QCOMPARE(TestFiles::read(f.manPath()), manFile ? kOldMan : QByteArray());
        QCOMPARE(QDir(f.ncs + u"/WORK"_qs).entryList(QDir::Files | QDir::Hidden).size(), manFile ? 1 : 0);
        QVERIFY(!QFileInfo::exists(f.logPath()) && !QFileInfo::exists(f.history));
        QCOMPARE(f.session.ChangeCount, unchanged ? 0 : 1);
        QCOMPARE(f.session.listItems(), listBefore);
        QCOMPARE(f.session.treeVisible(), treeBefore);
        QCOMPARE(f.saveTag, u"EARLIER.TRC"_qs);
        QVERIFY(f.saveModes.isEmpty());
    }

    // The MAN file byte for byte, the backups asked for, the list, the log and the history;
    // translated names are switched off first and never reach the file. A history that
    // cannot be written changes nothing of the save, and is told last.
    void saves_data()
    {
        addColumns<bool, bool, QList<MessageAnswer>, QStringList, QList<int>, QString, bool>(
            "defaultTrace", "translated", "answers", "questions", "modes", "backup", "historyBlocked");
        const QString trcQuestion = u"MAN-file is saved.\r\nDo you want to backup the TRC-file?"_qs;
        const QString manQuestion = u"Do you want to backup the MAN-file?"_qs;
        using A = MessageAnswer;
        QTest::newRow("default trace, both")
            << true << false << QList<A>{A::Yes, A::Yes} << QStringList{trcQuestion, manQuestion} << QList<int>{1, 2}
            << u"FSW_PSW [DEM-LCM].TRC"_qs << false;
        // The tag of an earlier save never reaches the log.
        QTest::newRow("default trace, none, translated")
            << true << true << QList<A>{A::No, A::No} << QStringList{trcQuestion, manQuestion} << QList<int>{}
            << QString() << false;
        QTest::newRow("other trace, history blocked")
            << false << false << QList<A>{A::Yes} << QStringList{u"MAN-file is saved.\r\n"_qs + manQuestion}
            << QList<int>{2} << QString() << true;
    }
    void saves()
    {
        QFETCH(bool, defaultTrace);
        QFETCH(bool, translated);
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(QString, backup);
        QFETCH(bool, historyBlocked);
        Fixture f;
        QVERIFY(!historyBlocked || TestFiles::write(f.history, "a file where the folder should be"));
        f.session.DefaultTraceLoaded = defaultTrace;
        f.change(u"BLINKEN"_qs, u"vier_mal"_qs);
        if (translated)
            f.translate();
        for (MessageAnswer answer : answers)
            f.dialogs.queueAnswer(answer);
        f.save();
        QCOMPARE(f.toggles, translated ? 1 : 0);
        QStringList texts = f.dialogs.texts();
        if (historyBlocked) // told last, after the questions
            QVERIFY(texts.takeLast().startsWith(u"MAN-file is saved, but the coding history could not keep it"_qs));
        QTEST(texts, "questions");
        QVERIFY(f.dialogs.allAnswersUsed());
        QTEST(f.saveModes, "modes");
        const QStringList saved{u"LICHT"_qs, u"\taktiv"_qs, u"BLINKEN"_qs, u"\tvier_mal"_qs};
        QCOMPARE(TestFiles::read(f.manPath()), TestFiles::crlf(saved));
        QCOMPARE(f.session.ChangeCount, 0);
        QVERIFY(!f.session.treeVisible());
        QCOMPARE(f.session.listItems().mid(0, 6),
                 (QStringList{u"Changed values:"_qs, QString(), u"BLINKEN"_qs, u"drei_mal --> vier_mal"_qs, QString(),
                              u"Go back to NCS Expert"_qs}));
        // The log's header is checked byte for byte with the log writer.
        QCOMPARE(TextFile::readLines(f.logPath()).value().mid(5),
                 (QStringList{u"Module changed\t: DEM - LCM"_qs, QString(), u"Changed values\t: BLINKEN"_qs,
                              u"\t\t  drei_mal --> vier_mal"_qs, QString(), u"Backup saved as\t: "_qs + backup,
                              QString(51, u'='), QString()}));
        const QList<CodingHistory::Snapshot> kept = CodingHistory::ListSnapshots(f.history);
        QCOMPARE(kept.size(), historyBlocked ? 0 : 1);
        if (!historyBlocked) {
            QCOMPARE(QDir(kept[0].folder).dirName(), u"20121231_235959 DEM - LCM"_qs);
            QCOMPARE(TestFiles::read(CodingHistory::tracePath(kept[0])), TestFiles::crlf(kTrace));
            QCOMPARE(TestFiles::read(CodingHistory::manipulationPath(kept[0])), TestFiles::crlf(saved));
        }
    }

    // A MAN file left in WORK by another trace would be coded into the next module.
    void leftover_data()
    {
        // man: null for no file; counts: "N of its M" in the question, empty for none; emptied: also the
        // answer (Yes empties, No keeps)
        addColumns<QByteArray, QString, bool>("man", "counts", "emptied");
        QTest::newRow("none") << QByteArray() << QString() << false;
        QTest::newRow("empty") << QByteArray("") << QString() << false;
        QTest::newRow("written for the trace, other values")
            << QByteArray("LICHT\r\n\tnicht_aktiv\r\nBLINKEN\r\n\teins\r\n") << QString() << false;
        QTest::newRow("foreign, Yes") << QByteArray("SITZ\r\n\tein\r\nBLINKEN\r\n\tdrei_mal\r\nTUER\n\tauf\n")
                                      << u"2 of its 3"_qs << true;
        QTest::newRow("foreign, No") << QByteArray("SITZ\r\n\tein\r\n") << u"1 of its 1"_qs << false;
        QTest::newRow("same functions, other order")
            << QByteArray("BLINKEN\r\n\tdrei_mal\r\nLICHT\r\n\taktiv\r\n") << u"0 of its 2"_qs << true;
    }
    void leftover()
    {
        QFETCH(QByteArray, man);
        QFETCH(QString, counts);
        QFETCH(bool, emptied);
        Fixture f;
        QVERIFY(man.isNull() ? QFile::remove(f.manPath()) : TestFiles::write(f.manPath(), man));
        if (!counts.isEmpty())
            f.dialogs.queueAnswer(emptied ? MessageAnswer::Yes : MessageAnswer::No);

        QCOMPARE(GuardLeftoverManipulationFile(f.ncs, kTrace, f.dialogs), emptied);

        QStringList expected;
        if (!counts.isEmpty())
            expected << u"FSW_PSW.MAN in WORK was not written for this trace (%1 functions are not in it). "
                        u"NCS Expert would code it into this module. Empty it now?"_qs.arg(counts);
        if (emptied)
            expected << f.manPath() + u" emptied."_qs;
        QCOMPARE(f.dialogs.texts(), expected);
        if (!counts.isEmpty()) {
            QCOMPARE(f.dialogs.messages[0].icon, MessageIcon::Exclamation);
            QCOMPARE(f.dialogs.messages[0].buttons, MessageButtons::YesNo);
        }
        QCOMPARE(QFileInfo::exists(f.manPath()), !man.isNull());
        QCOMPARE(TestFiles::read(f.manPath()), emptied ? QByteArray() : man);
    }
};

QTEST_GUILESS_MAIN(TestSaveManipulationFile)
#include "test_save_manipulation_file.moc"

#include "coding/save_manipulation_file.h"
#include "common/paths.h"
#include "common/text_file.h"
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

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

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
    TraceSession session;
    ScriptedDialogs dialogs;
    FixedClock clock;
    QString saveTag = u"EARLIER.TRC"_qs;
    QList<int> saveModes;
    int toggles = 0;

    explicit Fixture(const QStringList& trace = kTrace)
    {
        TestFiles::write(manPath(), kOldMan);
        QDir().mkpath(program);
        BuildTraceTree(session.tree(), trace, &session.TraceLines);
        session.showTree();
        session.DefaultTraceLoaded = true;
    }

    QString manPath() const { return manipulationFilePath(ncs); }
    QString logPath() const { return program + u"/Codinglog.txt"_qs; }

    // Moves the chosen mark of function to a new value, as picking a value does.
    void change(const QString& function, const QString& value)
    {
        const int node = session.tree().indexOfKey(function);
        for (int child : session.tree().children(node))
            session.tree().setImage(child, NodeImage::None);
        session.tree().addChild(node, value, NodeImage::Chosen);
        ++session.ChangeCount;
    }

    // What the translation button does: strips the translated part and clears the flag.
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
        SaveManipulationFile({ncs, program, u"DEM"_qs, u"LCM"_qs}, session, dialogs, clock, saveTag, calls);
    }

    QStringList logLines() const { return TextFile::readLines(logPath()).value(); }
};

// Makes every write beyond a few bytes fail, as a full disk does; root cannot bypass it.
class FileSizeLimit {
public:
    FileSizeLimit()
    {
#ifdef Q_OS_UNIX
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit tight = m_old;
        tight.rlim_cur = 8;
        setrlimit(RLIMIT_FSIZE, &tight);
#endif
    }
    ~FileSizeLimit()
    {
#ifdef Q_OS_UNIX
        setrlimit(RLIMIT_FSIZE, &m_old);
#endif
    }

private:
#ifdef Q_OS_UNIX
    rlimit m_old{};
#endif
};

} // namespace

class TestSaveManipulationFile : public QObject {
    Q_OBJECT
private slots:
    void guard_data()
    {
        QTest::addColumn<bool>("treeVisible");
        QTest::addColumn<QStringList>("listItems");
        QTest::addColumn<int>("changeCount");
        QTest::addColumn<bool>("incomplete");
        QTest::addColumn<QString>("message");
        const QString errors = u"Errors found in list.\r\nSelect the right chassis and module."_qs;
        QTest::newRow("nothing changed") << true << QStringList() << 0 << false << u"There is nothing changed."_qs;
        QTest::newRow("values incomplete") << true << QStringList() << 2 << true << errors;
        QTest::newRow("incomplete and unchanged") << true << QStringList() << 0 << true << errors;
        QTest::newRow("saved already") << false << QStringList{u"Changed values:"_qs, QString()} << 0 << false
                                       << u"Already saved MAN-file."_qs;
        QTest::newRow("start-up list") << false << QStringList{u"Start NCS Expert"_qs} << 0 << false
                                       << u"Load TRC-file first."_qs;
        QTest::newRow("empty list") << false << QStringList() << 0 << true << u"Load TRC-file first."_qs;
    }
    void guard()
    {
        QFETCH(bool, treeVisible);
        QFETCH(QStringList, listItems);
        QFETCH(int, changeCount);
        QFETCH(bool, incomplete);
        Fixture f;
        f.change(u"LICHT"_qs, u"nicht_aktiv"_qs);
        f.session.ChangeCount = changeCount;
        f.session.ValuesIncomplete = incomplete;
        f.session.setListItems(listItems);
        if (!treeVisible)
            f.session.showList();
        f.save();
        QFETCH(QString, message);
        QCOMPARE(f.dialogs.texts(), QStringList{message});
        QCOMPARE(f.dialogs.messages.first().icon, MessageIcon::Exclamation);
        QCOMPARE(TestFiles::read(f.manPath()), kOldMan);
        QVERIFY(!QFileInfo::exists(f.logPath()));
        QCOMPARE(f.session.listItems(), listItems);
    }

    void lineCountMismatch_data()
    {
        QTest::addColumn<QStringList>("trace");
        QTest::addColumn<QString>("unmark"); // function whose chosen value loses its mark
        QTest::addColumn<QString>("addChosen"); // function that gets a second chosen value
        QTest::newRow("no chosen value") << kTrace << u"LICHT"_qs << QString();
        QTest::newRow("two chosen values") << kTrace << QString() << u"BLINKEN"_qs;
        QTest::newRow("trace function without a value")
            << QStringList{u"LEER"_qs, u"LICHT"_qs, u"\taktiv"_qs} << QString() << QString();
    }
    void lineCountMismatch()
    {
        QFETCH(QStringList, trace);
        QFETCH(QString, unmark);
        QFETCH(QString, addChosen);
        Fixture f(trace);
        f.session.ChangeCount = 1;
        if (!unmark.isEmpty())
            for (int child : f.session.tree().children(f.session.tree().indexOfKey(unmark)))
                f.session.tree().setImage(child, NodeImage::None);
        if (!addChosen.isEmpty())
            f.session.tree().addChild(f.session.tree().indexOfKey(addChosen), u"zwei"_qs, NodeImage::Chosen);
        f.save();
        QCOMPARE(f.dialogs.texts(),
                 QStringList{u"Items in list do not match with TRC-file.\r\nCheck and run again."_qs});
        QCOMPARE(TestFiles::read(f.manPath()), kOldMan);
        QVERIFY(!QFileInfo::exists(f.logPath()));
        QCOMPARE(f.session.ChangeCount, 1);
        QVERIFY(f.session.treeVisible());
    }

    void translatedNamesNeverReachTheFile_data()
    {
        QTest::addColumn<bool>("toggleAvailable");
        QTest::newRow("translation switched off") << true;
        QTest::newRow("no way to switch it off") << false;
    }
    void translatedNamesNeverReachTheFile()
    {
        QFETCH(bool, toggleAvailable);
        Fixture f;
        f.change(u"LICHT"_qs, u"nicht_aktiv"_qs);
        f.translate();
        f.dialogs.queueAnswer(MessageAnswer::No);
        f.dialogs.queueAnswer(MessageAnswer::No);
        f.save(toggleAvailable);
        if (toggleAvailable) {
            QCOMPARE(f.toggles, 1);
            QCOMPARE(TestFiles::read(f.manPath()),
                     QByteArray("LICHT\r\n\tnicht_aktiv\r\nBLINKEN\r\n\tdrei_mal\r\n"));
        } else {
            QCOMPARE(f.dialogs.messages.value(0).icon, MessageIcon::Critical);
            QCOMPARE(TestFiles::read(f.manPath()), kOldMan);
        }
        QVERIFY(!TestFiles::read(f.manPath()).contains("bersetzung"));
    }

    void backups_data()
    {
        QTest::addColumn<bool>("defaultTrace");
        QTest::addColumn<QList<MessageAnswer>>("answers");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QList<int>>("modes");
        QTest::addColumn<QString>("backupLine");
        const QString trcQuestion = u"MAN-file is saved.\r\nDo you want to backup the TRC-file?"_qs;
        const QString manQuestion = u"Do you want to backup the MAN-file?"_qs;
        using A = MessageAnswer;
        QTest::newRow("default trace, both") << true << QList<A>{A::Yes, A::Yes}
                                             << QStringList{trcQuestion, manQuestion} << QList<int>{1, 2}
                                             << u"Backup saved as\t: FSW_PSW [DEM-LCM].TRC"_qs;
        QTest::newRow("default trace, none") << true << QList<A>{A::No, A::No}
                                             << QStringList{trcQuestion, manQuestion} << QList<int>{}
                                             << u"Backup saved as\t: "_qs;
        QTest::newRow("default trace, MAN only") << true << QList<A>{A::No, A::Yes}
                                                 << QStringList{trcQuestion, manQuestion} << QList<int>{2}
                                                 << u"Backup saved as\t: "_qs;
        QTest::newRow("other trace") << false << QList<A>{A::Yes}
                                     << QStringList{u"MAN-file is saved.\r\n"_qs + manQuestion} << QList<int>{2}
                                     << u"Backup saved as\t: "_qs;
    }
    void backups()
    {
        QFETCH(bool, defaultTrace);
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(QString, backupLine);
        Fixture f;
        f.session.DefaultTraceLoaded = defaultTrace;
        f.change(u"BLINKEN"_qs, u"vier_mal"_qs);
        for (MessageAnswer answer : answers)
            f.dialogs.queueAnswer(answer);
        f.save();
        QTEST(f.dialogs.texts(), "questions");
        QVERIFY(f.dialogs.allAnswersUsed());
        QTEST(f.saveModes, "modes");
        // The tag of an earlier save never reaches this entry.
        QVERIFY(f.logLines().contains(backupLine));
    }

    void completeSave()
    {
        Fixture f;
        f.change(u"BLINKEN"_qs, u"vier_mal"_qs);
        f.dialogs.queueAnswer(MessageAnswer::No);
        f.dialogs.queueAnswer(MessageAnswer::No);
        f.save();
        QCOMPARE(TestFiles::read(f.manPath()), QByteArray("LICHT\r\n\taktiv\r\nBLINKEN\r\n\tvier_mal\r\n"));
        QCOMPARE(f.session.ChangeCount, 0);
        QVERIFY(!f.session.treeVisible());
        QCOMPARE(f.saveTag, QString());
        QCOMPARE(f.session.listItems(),
                 (QStringList{u"Changed values:"_qs, QString(), u"BLINKEN"_qs, u"drei_mal --> vier_mal"_qs, QString(),
                              u"Go back to NCS Expert"_qs, QString(), u"--> Change job (F2)"_qs,
                              u"Select SG_CODIEREN"_qs, QString(), u"Check in the middle or JOBNAME is SG_CODIEREN"_qs,
                              u"--> Execute job (F3)"_qs}));
        const QStringList log = f.logLines();
        QCOMPARE(log.mid(0, 4), (QStringList{QString(51, u'='), u"       Generated with Quillon"_qs,
                                             QString(51, u'='), QString()}));
        QCOMPARE(log.mid(5), (QStringList{u"Module changed\t: DEM - LCM"_qs, QString(), u"Changed values\t: BLINKEN"_qs,
                                          u"\t\t  drei_mal --> vier_mal"_qs, QString(), u"Backup saved as\t: "_qs,
                                          QString(51, u'='), QString()}));
    }

    void failedWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("WORK folder missing") << u"missing"_qs;
        QTest::newRow("MAN path is a folder") << u"folder"_qs;
#ifdef Q_OS_UNIX
        QTest::newRow("disk full") << u"full"_qs;
#endif
    }
    void failedWriteKeepsTheOldFile()
    {
        QFETCH(QString, fault);
        Fixture f;
        f.change(u"LICHT"_qs, u"nicht_aktiv"_qs);
        if (fault == u"missing")
            QVERIFY(QDir(f.ncs + u"/WORK"_qs).removeRecursively());
        if (fault == u"folder") {
            QVERIFY(QFile::remove(f.manPath()));
            QVERIFY(QDir().mkpath(f.manPath()));
        }
        {
            std::optional<FileSizeLimit> limit;
            if (fault == u"full")
                limit.emplace();
            f.save();
        }
        QVERIFY2(f.dialogs.texts().size() == 1, qPrintable(f.dialogs.texts().join(u"|"_qs)));
        QCOMPARE(f.dialogs.messages.first().icon, MessageIcon::Critical);
        QVERIFY2(f.dialogs.messages.first().text.contains(u"FSW_PSW.MAN"_qs), qPrintable(f.dialogs.texts().join(u'|')));
        if (fault == u"full")
            QCOMPARE(TestFiles::read(f.manPath()), kOldMan);
        if (fault == u"folder")
            QVERIFY(QFileInfo(f.manPath()).isDir());
        QVERIFY(!QFileInfo::exists(f.logPath()));
        QCOMPARE(f.session.ChangeCount, 1);
        QVERIFY(f.session.treeVisible());
        QCOMPARE(f.saveTag, u"EARLIER.TRC"_qs);
        QVERIFY(f.saveModes.isEmpty());
        // Nothing half-written is left beside the MAN file.
        QCOMPARE(QDir(f.ncs + u"/WORK"_qs).entryList(QDir::Files | QDir::Hidden).size(), fault == u"full" ? 1 : 0);
    }

    void failedLogWriteIsReported()
    {
        Fixture f;
        f.change(u"LICHT"_qs, u"nicht_aktiv"_qs);
        QVERIFY(QDir().mkpath(f.logPath())); // a folder where the log should be
        f.dialogs.queueAnswer(MessageAnswer::No);
        f.dialogs.queueAnswer(MessageAnswer::No);
        f.save();
        QCOMPARE(TestFiles::read(f.manPath()), QByteArray("LICHT\r\n\tnicht_aktiv\r\nBLINKEN\r\n\tdrei_mal\r\n"));
        QCOMPARE(f.dialogs.messages.last().icon, MessageIcon::Critical);
        QVERIFY(!f.session.listItems().contains(u"Go back to NCS Expert"_qs));
    }
};

QTEST_GUILESS_MAIN(TestSaveManipulationFile)
#include "test_save_manipulation_file.moc"

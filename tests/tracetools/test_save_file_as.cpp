#include "common/paths.h"
#include "settings/settings_store.h"
#include "settings/tool_folders.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "tracetools/save_file_as.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kTraceFilter = u"Trace files (*.trc, *.man)|*.trc;*.man|All files (*.*)|*.*"_qs;
const QString kTextFilter = u"Text files (*.txt)|*.txt|All files (*.*)|*.*"_qs;
const QByteArray kTrace("FUNKTION\r\n\twert\r\n");
const QByteArray kMan("FUNKTION\r\n\tneu\r\n");
const QByteArray kHeader = "===================================================\r\n"
                           "       Generated with Quillon\r\n"
                           "===================================================\r\n"
                           "\r\n";

// An NCS Expert folder with both work files, a backup folder and a settings store.
struct Fixture {
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(u"settings.ini"_qs)};
    ToolFolders folders;
    ScriptedDialogs dialogs;
    FixedClock clock;
    QString saveTag = u"EARLIER.TRC"_qs;

    Fixture()
    {
        folders.FolderNCS = Paths::toNative(dir.filePath(u"NCSEXPER"_qs));
        folders.FolderBackup = Paths::toNative(dir.filePath(u"Backup"_qs));
        TestFiles::write(dir.filePath(u"NCSEXPER/WORK/FSW_PSW.TRC"_qs), kTrace);
        TestFiles::write(dir.filePath(u"NCSEXPER/WORK/FSW_PSW.MAN"_qs), kMan);
        QDir().mkpath(dir.filePath(u"Backup"_qs));
        QDir().mkpath(dir.filePath(u"OtherCase"_qs));
    }

    void save(int mode, const QString& answer, const SaveFileAsInputs& inputs = {u"CH1"_qs, u"MOD_A"_qs, {}})
    {
        dialogs.queueSaveFile(answer);
        SaveFileAs(mode, inputs, {folders, settings, dialogs, clock}, saveTag);
    }

    QString storedBackupFolder() const { return settings.value(u"FolderBackup"_qs, u"(none)"_qs); }
};

} // namespace

class TestSaveFileAs : public QObject {
    Q_OBJECT
private slots:
    void dialogRequest_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("chassis");
        QTest::addColumn<QString>("module");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("proposedName");
        QTest::newRow("trace copy with module") << 1 << u"CH1"_qs << u"MOD_A"_qs << u"Save TRC-file as"_qs
                                                << kTraceFilter << u"FSW_PSW [CH1-MOD_A].TRC"_qs;
        QTest::newRow("man copy with module") << 2 << u"DEM"_qs << u"LCM_DEM.C05"_qs << u"Save MAN-file as"_qs
                                              << kTraceFilter << u"FSW_PSW [DEM-LCM_DEM.C05].MAN"_qs;
        QTest::newRow("man copy without module") << 2 << QString() << QString() << u"Save MAN-file as"_qs
                                                 << kTraceFilter << u"FSW_PSW [20121231_235959].MAN"_qs;
        QTest::newRow("chassis alone gives the stamp") << 1 << u"CH1"_qs << QString() << u"Save TRC-file as"_qs
                                                       << kTraceFilter << u"FSW_PSW [20121231_235959].TRC"_qs;
        QTest::newRow("export") << 3 << u"CH1"_qs << u"MOD_A"_qs << u"Save TXT-file as"_qs << kTextFilter
                                << u"TraceDifferences.txt"_qs;
    }
    void dialogRequest()
    {
        QFETCH(int, mode);
        QFETCH(QString, chassis);
        QFETCH(QString, module);
        Fixture f;
        f.save(mode, QString(), {chassis, module, {}});
        QCOMPARE(f.dialogs.saveRequests.size(), 1);
        const FileDialogRequest& request = f.dialogs.saveRequests.first();
        QTEST(request.title, "title");
        QTEST(request.filter, "filter");
        QTEST(request.proposedName, "proposedName");
        QCOMPARE(request.folder, f.folders.FolderBackup);
        QVERIFY(request.confirmOverwrite);
        QVERIFY(request.folderMustExist);
    }

    void copies_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("chosen");       // below the temporary folder
        QTest::addColumn<QString>("created");      // the file expected there, or empty
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("saveTag");
        QTest::addColumn<QString>("folderBackup"); // below the temporary folder
        QTest::addColumn<QString>("stored");       // "FolderBACKUP" afterwards, "(none)" if unwritten

        QTest::newRow("trace copy, new folder with its own case")
            << 1 << u"OtherCase/fsw_psw [ch1-mod_a].trc"_qs << u"OtherCase/FSW_PSW [CH1-MOD_A].TRC"_qs << kTrace
            << u"FSW_PSW [CH1-MOD_A].TRC"_qs << u"OtherCase"_qs << u"OtherCase"_qs;
        QTest::newRow("man copy keeps the tag") << 2 << u"OtherCase/copy.man"_qs << u"OtherCase/COPY.MAN"_qs << kMan
                                                << u"EARLIER.TRC"_qs << u"OtherCase"_qs << u"OtherCase"_qs;
        QTest::newRow("same folder: store untouched") << 1 << u"Backup/a.trc"_qs << u"Backup/A.TRC"_qs << kTrace
                                                      << u"A.TRC"_qs << u"Backup"_qs << u"(none)"_qs;
        QTest::newRow("cancel") << 1 << QString() << QString() << QByteArray() << u"EARLIER.TRC"_qs << u"Backup"_qs
                                << u"(none)"_qs;
        QTest::newRow("missing folder: silent") << 1 << u"Gone/a.trc"_qs << QString() << QByteArray()
                                                << u"EARLIER.TRC"_qs << u"Backup"_qs << u"(none)"_qs;
    }
    void copies()
    {
        QFETCH(int, mode);
        QFETCH(QString, chosen);
        QFETCH(QString, created);
        QFETCH(QByteArray, content);
        QFETCH(QString, folderBackup);
        QFETCH(QString, stored);
        Fixture f;
        f.save(mode, chosen.isEmpty() ? QString() : Paths::toNative(f.dir.filePath(chosen)));

        if (!created.isEmpty()) {
            QCOMPARE(TestFiles::read(f.dir.filePath(created)), content);
            // Only the upper-cased name is written.
            const QFileInfo info(f.dir.filePath(created));
            QCOMPARE(info.dir().entryList(QDir::Files), QStringList{info.fileName()});
        }
        QTEST(f.saveTag, "saveTag");
        QCOMPARE(f.folders.FolderBackup, Paths::toNative(f.dir.filePath(folderBackup)));
        QCOMPARE(f.storedBackupFolder(),
                 stored == u"(none)" ? stored : Paths::toNative(f.dir.filePath(stored)));
        QVERIFY(f.dialogs.messages.isEmpty());
        if (created.isEmpty())
            QCOMPARE(QDir(f.dir.filePath(u"Backup"_qs)).entryList(QDir::Files).size(), 0);
    }

    void copyReplacesAnExistingFile()
    {
        Fixture f;
        TestFiles::write(f.dir.filePath(u"Backup/OLD.TRC"_qs), "old copy");
        f.save(1, Paths::toNative(f.dir.filePath(u"Backup/old.trc"_qs)));
        QCOMPARE(TestFiles::read(f.dir.filePath(u"Backup/OLD.TRC"_qs)), kTrace);
    }

    void missingSourceEndsSilently()
    {
        Fixture f;
        QVERIFY(QFile::remove(f.dir.filePath(u"NCSEXPER/WORK/FSW_PSW.MAN"_qs)));
        f.save(2, Paths::toNative(f.dir.filePath(u"OtherCase/x.man"_qs)));
        QVERIFY(!QFileInfo::exists(f.dir.filePath(u"OtherCase/X.MAN"_qs)));
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(f.folders.FolderBackup, Paths::toNative(f.dir.filePath(u"Backup"_qs)));
        QCOMPARE(f.storedBackupFolder(), u"(none)"_qs);
    }

    void exportList_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("empty list") << QStringList() << kHeader;
        QTest::newRow("items as they are")
            << QStringList{u"Differences:"_qs, QString(), u"\tTAB  und Ümlaut"_qs}
            << kHeader + QByteArray("Differences:\r\n\r\n\tTAB  und \xDCmlaut\r\n");
    }
    void exportList()
    {
        QFETCH(QStringList, items);
        Fixture f;
        // The export keeps the chosen name and replaces the file.
        const QString chosen = f.dir.filePath(u"OtherCase/differences.txt"_qs);
        TestFiles::write(chosen, "an older and longer export that must disappear");
        f.save(3, Paths::toNative(chosen), {u"CH1"_qs, u"MOD_A"_qs, items});
        QTEST(TestFiles::read(chosen), "file");
        QCOMPARE(f.folders.FolderBackup, Paths::toNative(f.dir.filePath(u"Backup"_qs)));
        QCOMPARE(f.storedBackupFolder(), u"(none)"_qs);
        QCOMPARE(f.saveTag, u"EARLIER.TRC"_qs);
    }
};

QTEST_GUILESS_MAIN(TestSaveFileAs)
#include "test_save_file_as.moc"

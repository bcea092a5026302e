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

const QByteArray kTrace("FUNKTION\r\n\twert\r\n");
const QByteArray kMan("FUNKTION\r\n\tneu\r\n");

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
        folders.FolderBackup = native(u"Backup"_qs);
        TestFiles::write(dir.filePath(u"NCSEXPER/WORK/FSW_PSW.TRC"_qs), kTrace);
        TestFiles::write(dir.filePath(u"NCSEXPER/WORK/FSW_PSW.MAN"_qs), kMan);
        QDir().mkpath(dir.filePath(u"Backup"_qs));
        QDir().mkpath(dir.filePath(u"OtherCase"_qs));
    }
    QString native(const QString& relative) const { return Paths::toNative(dir.filePath(relative)); }
    void save(int mode, const QString& answer, const SaveFileAsInputs& inputs = {u"CH1"_qs, u"MOD_A"_qs, {}})
    {
        dialogs.queueSaveFile(answer);
        SaveFileAs(mode, inputs, {folders, settings, dialogs, clock}, saveTag);
    }
};

} // namespace

class TestSaveFileAs : public QObject {
    Q_OBJECT
private slots:
    void copies_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("module");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("chosen");  // below the temporary folder, empty for Cancel
        QTest::addColumn<QString>("created"); // the file expected there, or empty
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("saveTag");
        QTest::addColumn<QString>("folderBackup");
        QTest::addColumn<QString>("stored"); // "FolderBackup" afterwards, "(none)" if unwritten
        QTest::newRow("trace copy, new folder with its own case")
            << 1 << u"MOD_A"_qs << u"FSW_PSW [CH1-MOD_A].TRC"_qs << u"OtherCase/fsw_psw [ch1-mod_a].trc"_qs
            << u"OtherCase/FSW_PSW [CH1-MOD_A].TRC"_qs << kTrace << u"FSW_PSW [CH1-MOD_A].TRC"_qs << u"OtherCase"_qs
            << u"OtherCase"_qs;
        QTest::newRow("man copy keeps the tag")
            << 2 << u"MOD_A"_qs << u"FSW_PSW [CH1-MOD_A].MAN"_qs << u"OtherCase/copy.man"_qs
            << u"OtherCase/COPY.MAN"_qs << kMan << u"EARLIER.TRC"_qs << u"OtherCase"_qs << u"OtherCase"_qs;
        QTest::newRow("same folder: store untouched")
            << 1 << QString() << u"FSW_PSW [20121231_235959].TRC"_qs << u"Backup/a.trc"_qs << u"Backup/A.TRC"_qs
            << kTrace << u"A.TRC"_qs << u"Backup"_qs << u"(none)"_qs;
        QTest::newRow("cancel") << 2 << QString() << u"FSW_PSW [20121231_235959].MAN"_qs << QString() << QString()
                                << QByteArray() << u"EARLIER.TRC"_qs << u"Backup"_qs << u"(none)"_qs;
    }
    void copies()
    {
        QFETCH(int, mode);
        QFETCH(QString, module);
        QFETCH(QString, chosen);
        QFETCH(QString, created);
        QFETCH(QString, folderBackup);
        QFETCH(QString, stored);
        Fixture f;
        f.save(mode, chosen.isEmpty() ? QString() : f.native(chosen), {u"CH1"_qs, module, {}});
        QCOMPARE(f.dialogs.saveRequests.size(), 1);
        QTEST(f.dialogs.saveRequests.first().proposedName, "proposed");
        QCOMPARE(f.dialogs.saveRequests.first().folder, f.native(u"Backup"_qs));
        if (!created.isEmpty()) {
            QTEST(TestFiles::read(f.dir.filePath(created)), "content");
            // Only the upper-cased name is written.
            const QFileInfo info(f.dir.filePath(created));
            QCOMPARE(info.dir().entryList(QDir::Files), QStringList{info.fileName()});
        } else {
            QVERIFY(QDir(f.dir.filePath(u"Backup"_qs)).entryList(QDir::Files).isEmpty());
        }
        QTEST(f.saveTag, "saveTag");
        QCOMPARE(f.folders.FolderBackup, f.native(folderBackup));
        QCOMPARE(f.settings.value(u"FolderBackup"_qs, u"(none)"_qs), stored == u"(none)" ? stored : f.native(stored));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void exportList_data()
    {
        const QByteArray header = "===================================================\r\n"
                                  "       Generated with Quillon\r\n"
                                  "===================================================\r\n\r\n";
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("empty list") << QStringList() << header;
        QTest::newRow("items as they are") << QStringList{u"Differences:"_qs, QString(), u"\tTAB  und Ümlaut"_qs}
                                           << header + QByteArray("Differences:\r\n\r\n\tTAB  und \xDCmlaut\r\n");
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
        QCOMPARE(f.dialogs.saveRequests.first().proposedName, u"TraceDifferences.txt"_qs);
        QCOMPARE(f.settings.value(u"FolderBackup"_qs, u"(none)"_qs), u"(none)"_qs);
        QCOMPARE(f.saveTag, u"EARLIER.TRC"_qs);
    }
};

QTEST_GUILESS_MAIN(TestSaveFileAs)
#include "test_save_file_as.moc"

#include "common/ansi_codec.h"
#include "common/paths.h"
#include "settings/settings_store.h"
#include "settings/tool_folders.h"
#include "support/data_table.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "tracetools/save_file_as.h"

#include <QDir>
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
        folders.FolderNCS = native(u"NCSEXPER"_qs);
        folders.FolderBackup = native(u"Backup"_qs);
        TestFiles::write(dir.filePath(u"NCSEXPER/WORK/FSW_PSW.TRC"_qs), kTrace);
        TestFiles::write(dir.filePath(u"NCSEXPER/WORK/FSW_PSW.MAN"_qs), kMan);
        TestFiles::makeDirs(dir.path(), {u"Backup"_qs, u"OtherCase"_qs});
    }
    QString native(const QString& relative) const { return Paths::toNative(dir.filePath(relative)); }
    void save(int mode, const QString& answer, const SaveFileAsInputs& inputs)
    {
        dialogs.queueSaveFile(answer.isEmpty() ? answer : native(answer));
        SaveFileAs(mode, inputs, {folders, settings, dialogs, clock}, saveTag);
    }
};

} // namespace

class TestSaveFileAs : public QObject {
    Q_OBJECT
private slots:
    // Copies of the trace (1) and the MAN file (2): written under the upper-cased name chosen;
    // a new folder becomes FolderBackup and is stored.
    void copies_data()
    {
        // chosen: below the temporary folder, empty for Cancel
        addColumns<int, QString, QString, QString, QString, QString, bool>("mode", "module", "proposed", "chosen",
                                                                           "saveTag", "folderBackup", "stored");
        QTest::newRow("trace copy, new folder with its own case")
            << 1 << u"MOD_A"_qs << u"FSW_PSW [CH1-MOD_A].TRC"_qs << u"OtherCase/fsw_psw [ch1-mod_a].trc"_qs
            << u"FSW_PSW [CH1-MOD_A].TRC"_qs << u"OtherCase"_qs << true;
        QTest::newRow("man copy keeps the tag")
            << 2 << u"MOD_A"_qs << u"FSW_PSW [CH1-MOD_A].MAN"_qs << u"OtherCase/copy.man"_qs << u"EARLIER.TRC"_qs
            << u"OtherCase"_qs << true;
        QTest::newRow("upper case only within the code page")
            << 1 << u"MOD_A"_qs << u"FSW_PSW [CH1-MOD_A].TRC"_qs << u"OtherCase/straße-µ.trc"_qs << u"STRAßE-µ.TRC"_qs
            << u"OtherCase"_qs << true;
        QTest::newRow("same folder: store untouched") << 1 << QString() << u"FSW_PSW [20121231_235959].TRC"_qs
                                                      << u"Backup/a.trc"_qs << u"A.TRC"_qs << u"Backup"_qs << false;
        QTest::newRow("cancel") << 2 << QString() << u"FSW_PSW [20121231_235959].MAN"_qs << QString()
                                << u"EARLIER.TRC"_qs << u"Backup"_qs << false;
    }
    void copies()
    {
        QFETCH(int, mode);
        QFETCH(QString, module);
        QFETCH(QString, chosen);
        QFETCH(QString, folderBackup);
        QFETCH(bool, stored);
        Fixture f;
        f.save(mode, chosen, {u"CH1"_qs, module, {}});
        QCOMPARE(f.dialogs.saveRequests.size(), 1);
        QTEST(f.dialogs.saveRequests.first().proposedName, "proposed");
        QCOMPARE(f.dialogs.saveRequests.first().folder, f.native(u"Backup"_qs));
        const QDir folder(f.dir.filePath(chosen.isEmpty() ? u"Backup"_qs : Paths::folderOf(chosen)));
        const QString name = Ansi::upper(Paths::nameOf(chosen));
        QCOMPARE(folder.entryList(QDir::Files), chosen.isEmpty() ? QStringList() : QStringList{name});
        if (!chosen.isEmpty())
            QCOMPARE(TestFiles::read(folder.filePath(name)), mode == 1 ? kTrace : kMan);
        QTEST(f.saveTag, "saveTag");
        QCOMPARE(f.folders.FolderBackup, f.native(folderBackup));
        QCOMPARE(f.settings.value(u"FolderBackup"_qs, u"-"_qs), stored ? f.native(folderBackup) : u"-"_qs);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    // The export (3) keeps the chosen name and replaces the file.
    void exportList()
    {
        Fixture f;
        const QString chosen = f.dir.filePath(u"OtherCase/differences.txt"_qs);
        TestFiles::write(chosen, "an older and longer export that must disappear");
        f.save(3, u"OtherCase/differences.txt"_qs,
               {u"CH1"_qs, u"MOD_A"_qs, {u"Differences:"_qs, QString(), u"\tÜ"_qs}});
        QCOMPARE(TestFiles::read(chosen), QByteArray("===================================================\r\n"
                                                     "       Generated with Quillon\r\n"
                                                     "===================================================\r\n\r\n"
                                                     "Differences:\r\n\r\n\t\xDC\r\n"));
        QCOMPARE(f.dialogs.saveRequests.first().proposedName, u"TraceDifferences.txt"_qs);
        QCOMPARE(f.settings.value(u"FolderBackup"_qs, u"-"_qs), u"-"_qs);
        QCOMPARE(f.saveTag, u"EARLIER.TRC"_qs);
    }
};

QTEST_GUILESS_MAIN(TestSaveFileAs)
#include "test_save_file_as.moc"

#include "common/text_file.h"
#include "moduledata/module_data.h"
#include "settings/settings_store.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "trace/trace_loader.h"
#include "ui/chassis_panel.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

// The demo's NCS Expert folder in a temporary folder, and the services around a window.
struct Fixture {
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(u"settings.ini"_qs)};
    ScriptedDialogs dialogs;
    FixedClock clock;
    std::unique_ptr<MainWindow> window;

    QString ncs() const { return dir.filePath(u"NCSEXPER"_qs); }
    QString chassisFolder(const QString& name) const { return ncs() + u"/DATEN/"_qs + name; }

    bool setUp()
    {
        if (!copyTree(QStringLiteral(QUILLON_SOURCE_DIR) + u"/demo/NCSEXPER"_qs, ncs()))
            return false;
        QDir().mkpath(dir.filePath(u"Backup"_qs));
        QDir().mkpath(dir.filePath(u"program"_qs));
        settings.setValue(SettingsStore::FolderNCS, ncs());
        settings.setValue(SettingsStore::FolderBackup, dir.filePath(u"Backup"_qs));
        return true;
    }

    void open()
    {
        window = std::make_unique<MainWindow>(
            MainWindowServices{settings, dialogs, clock, dir.filePath(u"program"_qs), dir.path()});
        window->show();
    }

    QComboBox* combo(const QString& name) const { return window->findChild<QComboBox*>(name); }
    QPushButton* button(const QString& name) const { return window->findChild<QPushButton*>(name); }

    // A choice in a combo box as the user makes it.
    void choose(const QString& comboName, const QString& entry)
    {
        QComboBox* box = combo(comboName);
        const int index = box->findText(entry);
        QVERIFY2(index >= 0, qPrintable(entry));
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    QStringList items(QComboBox* box) const
    {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts.append(box->itemText(i));
        return texts;
    }
};

} // namespace

class TestSaveFlow : public QObject {
    Q_OBJECT
private slots:
    void demoRunFromLoadToSave()
    {
        Fixture f;
        QVERIFY(f.setUp());
        f.open();
        QCOMPARE(f.items(f.combo(u"cmbChassis"_qs)), QStringList{u"DEM"_qs});
        QCOMPARE(f.combo(u"cmbChassis"_qs)->currentText(), QString());

        f.button(u"cmdLoad"_qs)->click();
        QVERIFY(f.window->session().treeVisible());

        f.choose(u"cmbChassis"_qs, u"DEM"_qs);
        ModuleData* data = f.window->context().moduleData;
        QVERIFY(data);
        QCOMPARE(data, &f.window->findChild<ChassisPanel*>()->moduleData());
        QCOMPARE(data->ChassisIndex, 0);
        QCOMPARE(data->FswData, TestFiles::read(f.chassisFolder(u"DEM"_qs) + u"/SWTFSW01.DAT"_qs));
        QVERIFY(data->PswHex.startsWith("4B 45 59 57 4F 52 44 "));
        QVERIFY(data->ModuleHex.isEmpty());
        QCOMPARE(f.items(f.combo(u"cmbModule"_qs)), (QStringList{u"KOMBI.C02"_qs, u"LCM_DEM.C05"_qs}));

        f.choose(u"cmbModule"_qs, u"LCM_DEM.C05"_qs);
        QVERIFY(data->ModuleHex.startsWith("00 2A 00 03 00 00 12 00 01 "));
        QVERIFY(!QApplication::overrideCursor());

        // The user picks "aktiv" for the daytime running lights.
        TraceTree& tree = f.window->session().tree();
        const int function = tree.indexOfKey(u"TAGFAHRLICHT"_qs);
        QCOMPARE(tree.text(tree.firstChild(function)), u"nicht_aktiv"_qs);
        tree.setImage(tree.firstChild(function), NodeImage::None);
        QVERIFY(tree.addChild(function, u"aktiv"_qs, NodeImage::Chosen));
        tree.setBold(function, true);
        f.window->session().ChangeCount = 1;

        const QString backup = QDir::toNativeSeparators(f.dir.filePath(u"Backup"_qs));
        f.dialogs.queueAnswer(MessageAnswer::Yes);
        f.dialogs.queueSaveFile(backup + QDir::separator() + u"fsw_psw [dem-lcm_dem.c05].trc"_qs);
        f.dialogs.queueAnswer(MessageAnswer::Yes);
        f.dialogs.queueSaveFile(QString());
        f.button(u"cmdSave"_qs)->click();

        QVERIFY2(f.dialogs.unexpected.isEmpty(), qPrintable(f.dialogs.unexpected.join(u'|')));
        QCOMPARE(f.dialogs.saveRequests.size(), 2);
        QCOMPARE(f.dialogs.saveRequests[0].proposedName, u"FSW_PSW [DEM-LCM_DEM.C05].TRC"_qs);
        QCOMPARE(f.dialogs.saveRequests[1].proposedName, u"FSW_PSW [DEM-LCM_DEM.C05].MAN"_qs);

        QByteArray expected = TestFiles::read(defaultTracePath(f.ncs()));
        expected.replace("TAGFAHRLICHT\r\n\tnicht_aktiv\r\n", "TAGFAHRLICHT\r\n\taktiv\r\n");
        QCOMPARE(TestFiles::read(manipulationFilePath(f.ncs())), expected);
        QCOMPARE(TestFiles::read(backup + u"/FSW_PSW [DEM-LCM_DEM.C05].TRC"_qs),
                 TestFiles::read(defaultTracePath(f.ncs())));

        const QStringList log = TextFile::readLines(f.dir.filePath(u"program/Codinglog.txt"_qs)).value();
        QVERIFY(log.contains(u"Module changed\t: DEM - LCM_DEM.C05"_qs));
        QVERIFY(log.contains(u"Changed values\t: TAGFAHRLICHT"_qs));
        QVERIFY(log.contains(u"\t\t  nicht_aktiv --> aktiv"_qs));
        QVERIFY(log.contains(u"Backup saved as\t: FSW_PSW [DEM-LCM_DEM.C05].TRC"_qs));

        auto* list = f.window->findChild<QListView*>(u"listItems"_qs);
        QVERIFY(list->isVisible());
        QCOMPARE(list->model()->index(0, 0).data().toString(), u"Changed values:"_qs);
        QCOMPARE(list->model()->index(list->model()->rowCount() - 1, 0).data().toString(),
                 u"--> Execute job (F3)"_qs);

        f.button(u"cmdSave"_qs)->click();
        QCOMPARE(f.dialogs.texts().last(), u"Already saved MAN-file."_qs);
    }

    void chassisFailures_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("modules");
        QTest::addColumn<QString>("message"); // its end
        QTest::newRow("no keyword files") << QStringList{u"X.C01"_qs} << QStringList{u"X.C01"_qs}
                                          << u"SWTFSW*.DAT not found."_qs;
        QTest::newRow("value keywords without KEYWORD")
            << QStringList{u"SWTFSW01.DAT"_qs, u"SWTPSW01.DAT"_qs} << QStringList() << u"SWTPSW01.DAT."_qs;
    }
    void chassisFailures()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, modules);
        QFETCH(QString, message);
        Fixture f;
        QVERIFY(f.setUp());
        for (const QString& file : files)
            QVERIFY(TestFiles::write(f.chassisFolder(u"BAD"_qs) + u'/' + file, "no mark here"));
        f.open();
        f.choose(u"cmbChassis"_qs, u"DEM"_qs);
        f.choose(u"cmbModule"_qs, u"LCM_DEM.C05"_qs);
        QVERIFY(!f.window->context().moduleData->ModuleHex.isEmpty());

        f.choose(u"cmbChassis"_qs, u"BAD"_qs);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].icon, MessageIcon::Critical);
        QVERIFY2(f.dialogs.messages[0].text.endsWith(message), qPrintable(f.dialogs.messages[0].text));
        QCOMPARE(f.items(f.combo(u"cmbModule"_qs)), modules);
        QVERIFY(f.window->context().moduleData->ModuleHex.isEmpty());
        QCOMPARE(f.window->context().moduleData->ChassisIndex, 0);
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(TestSaveFlow)
#include "test_save_flow.moc"

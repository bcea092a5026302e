#include "common/text_file.h"
#include "moduledata/module_data.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QListView>
#include <QTest>

namespace {

// The demo's NCS Expert folder and a backup folder around the main window.
struct Fixture : WindowFixture {
    bool setUp()
    {
        const QString demo = QStringLiteral(QUILLON_SOURCE_DIR) + u"/demo/NCSEXPER"_qs;
        QDirIterator it(demo, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString target = ncs() + source.mid(demo.size());
            if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
                return false;
        }
        settings.setValue(SettingsStore::FolderBackup, dir.filePath(u"Backup"_qs));
        return QDir().mkpath(dir.filePath(u"Backup"_qs));
    }
    QString chassisFolder(const QString& name) const { return ncs() + u"/DATEN/"_qs + name; }

    // A choice in a combo box as the user makes it.
    void choose(const QString& comboName, const QString& entry)
    {
        auto* box = find<QComboBox>(comboName);
        const int index = box->findText(entry);
        QVERIFY2(index >= 0, qPrintable(entry));
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    int moduleCount() const { return find<QComboBox>(u"cmbModule"_qs)->count(); }
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
        f.load();
        QVERIFY(f.session().treeVisible());
        f.choose(u"cmbChassis"_qs, u"DEM"_qs);
        const ModuleData* data = f.window->context().moduleData;
        QCOMPARE(data->FswData, TestFiles::read(f.chassisFolder(u"DEM"_qs) + u"/SWTFSW01.DAT"_qs));
        QCOMPARE(f.moduleCount(), 6); // LCM_DEM.C05, its look-alikes and KOMBI.C02
        f.choose(u"cmbModule"_qs, u"LCM_DEM.C05"_qs);
        QVERIFY(data->ModuleHex.startsWith("00 2A 00 03 00 00 12 00 01 "));
        QVERIFY(!QApplication::overrideCursor());

        // The user picks "aktiv" for the daytime running lights.
        TraceTree& tree = f.tree();
        const int function = tree.indexOfKey(u"TAGFAHRLICHT"_qs);
        tree.setImage(tree.firstChild(function), NodeImage::None);
        QVERIFY(tree.addChild(function, u"aktiv"_qs, NodeImage::Chosen));
        tree.setBold(function, true);
        f.session().ChangeCount = 1;

        const QString backup = QDir::toNativeSeparators(f.dir.filePath(u"Backup"_qs));
        f.dialogs.queueAnswer(MessageAnswer::Yes);
        f.dialogs.queueSaveFile(backup + QDir::separator() + u"fsw_psw [dem-lcm_dem.c05].trc"_qs);
        f.dialogs.queueAnswer(MessageAnswer::Yes);
        f.dialogs.queueSaveFile(QString());
        f.click(u"cmdSave"_qs);

        QVERIFY2(f.dialogs.unexpected.isEmpty(), qPrintable(f.dialogs.unexpected.join(u'|')));
        QCOMPARE(f.dialogs.saveRequests.size(), 2);
        QCOMPARE(f.dialogs.saveRequests[0].proposedName, u"FSW_PSW [DEM-LCM_DEM.C05].TRC"_qs);
        QCOMPARE(f.dialogs.saveRequests[1].proposedName, u"FSW_PSW [DEM-LCM_DEM.C05].MAN"_qs);

        QByteArray expected = TestFiles::read(defaultTracePath(f.ncs()));
        expected.replace("TAGFAHRLICHT\r\n\tnicht_aktiv\r\n", "TAGFAHRLICHT\r\n\taktiv\r\n");
        QCOMPARE(TestFiles::read(manipulationFilePath(f.ncs())), expected);
        QCOMPARE(TestFiles::read(backup + u"/FSW_PSW [DEM-LCM_DEM.C05].TRC"_qs),
                 TestFiles::read(defaultTracePath(f.ncs())));

        const QStringList log = TextFile::readLines(f.program() + u"/Codinglog.txt"_qs).value();
        for (const QString& line : {u"Module changed\t: DEM - LCM_DEM.C05"_qs, u"Changed values\t: TAGFAHRLICHT"_qs,
                                    u"\t\t  nicht_aktiv --> aktiv"_qs,
                                    u"Backup saved as\t: FSW_PSW [DEM-LCM_DEM.C05].TRC"_qs})
            QVERIFY2(log.contains(line), qPrintable(line));

        auto* list = f.find<QListView>(u"listItems"_qs);
        QVERIFY(list->isVisible());
        QCOMPARE(list->model()->index(0, 0).data().toString(), u"Changed values:"_qs);
        QCOMPARE(list->model()->index(list->model()->rowCount() - 1, 0).data().toString(),
                 u"--> Execute job (F3)"_qs);

        f.click(u"cmdSave"_qs);
        QCOMPARE(f.dialogs.texts().last(), u"Already saved MAN-file."_qs);
    }

    // A chassis folder that cannot be read says why and leaves no module data behind.
    void chassisFailure()
    {
        Fixture f;
        QVERIFY(f.setUp());
        QVERIFY(TestFiles::write(f.chassisFolder(u"BAD"_qs) + u"/X.C01"_qs, "no mark here"));
        f.open();
        f.choose(u"cmbChassis"_qs, u"DEM"_qs);
        f.choose(u"cmbModule"_qs, u"LCM_DEM.C05"_qs);
        f.choose(u"cmbChassis"_qs, u"BAD"_qs);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY2(f.dialogs.messages[0].text.endsWith(u"SWTFSW*.DAT not found."_qs), qPrintable(f.dialogs.texts()[0]));
        QVERIFY(f.window->context().moduleData->ModuleHex.isEmpty());
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(TestSaveFlow)
#include "test_save_flow.moc"

#include "support/window_fixture.h"
#include "tree_click.h"
#include "tree_snapshot.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

// The user's way through the window on a copy of the demo's NCS Expert folder: load the
// trace, choose chassis and module, show the values, pick one, save.
class TestDemoFlow : public QObject {
    Q_OBJECT
private slots:
    void loadShowValuesPickSave()
    {
        WindowFixture f;
        QVERIFY(TreeFiles::copyTree(QStringLiteral(QUILLON_SOURCE_DIR "/demo/NCSEXPER"), f.ncs()));
        const QString backup = f.path(u"Backup"_qs);
        QVERIFY(QDir().mkpath(backup));
        f.settings.setValue(SettingsStore::FolderBackup, backup);
        f.open();
        const auto choose = [&f](const QString& combo, const QString& entry) {
            auto* box = f.find<QComboBox>(combo);
            box->setCurrentIndex(box->findText(entry));
            emit box->activated(box->currentIndex());
        };

        // The guards, in their order.
        f.click(u"cmdValues"_qs);
        f.load();
        f.click(u"cmdValues"_qs);
        choose(u"cmbChassis"_qs, u"DEM"_qs);
        choose(u"cmbModule"_qs, u"LCM_DEM.C05"_qs);
        f.click(u"cmdValues"_qs);
        QCOMPARE(f.dialogs.texts(), (QStringList{u"Load TRC-file first."_qs, u"Select chassis and module first."_qs,
                                                 u"Not all parameters are found.\r\nSelect the right chassis and module."_qs}));
        TraceTree& tree = f.tree();
        QCOMPARE(tree.image(tree.indexOfKey(u"AKUSTIK_VERRIEGELN"_qs)), NodeImage::Warning);
        QVERIFY(clickNode(f.find<TraceTreeView>(u"TreeTRC"_qs), tree, tree.firstChild(tree.indexOfKey(u"TAGFAHRLICHT"_qs))));
        QCOMPARE(f.session().ChangeCount, 1);
        f.click(u"cmdSave"_qs); // the list shows errors: nothing is saved
        QCOMPARE(f.dialogs.texts().last(), u"Errors found in list.\r\nSelect the right chassis and module."_qs);
        QVERIFY(!QFileInfo::exists(manipulationFilePath(f.ncs())));

        // Loaded afresh, the user picks "aktiv" in the change window and saves.
        f.load();
        ModalAnswer modal([](QDialog* dialog) {
            child<QLineEdit>(dialog, "txtChange")->setText(u"aktiv"_qs);
            child<QPushButton>(dialog, "cmdOK_1")->click();
        });
        QVERIFY(clickNode(f.find<TraceTreeView>(u"TreeTRC"_qs), tree, tree.firstChild(tree.indexOfKey(u"TAGFAHRLICHT"_qs))));
        QVERIFY(modal.opened);
        f.dialogs.messages.clear();
        f.dialogs.queueAnswer(MessageAnswer::Yes);
        f.dialogs.queueSaveFile(backup + u"/fsw_psw [dem-lcm_dem.c05].trc"_qs);
        f.dialogs.queueAnswer(MessageAnswer::Yes);
        f.dialogs.queueSaveFile(QString());
        f.click(u"cmdSave"_qs);
        QVERIFY2(f.dialogs.unexpected.isEmpty(), qPrintable(f.dialogs.unexpected.join(u'|')));
        QCOMPARE(f.dialogs.saveRequests[1].proposedName, u"FSW_PSW [DEM-LCM_DEM.C05].MAN"_qs);
        const QByteArray trace = TestFiles::read(defaultTracePath(f.ncs()));
        QCOMPARE(TestFiles::read(manipulationFilePath(f.ncs())),
                 QByteArray(trace).replace("TAGFAHRLICHT\r\n\tnicht_aktiv\r\n", "TAGFAHRLICHT\r\n\taktiv\r\n"));
        QCOMPARE(TestFiles::read(backup + u"/FSW_PSW [DEM-LCM_DEM.C05].TRC"_qs), trace);
        f.click(u"cmdSave"_qs);
        QCOMPARE(f.dialogs.texts().last(), u"Already saved MAN-file."_qs);
    }
};

QTEST_MAIN(TestDemoFlow)
#include "test_demo_flow.moc"

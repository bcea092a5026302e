#include "support/window_fixture.h"
#include "tree_click.h"
#include "tree_snapshot.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

namespace {

// The main window on a copy of the demo's NCS Expert folder and program files, with a
// backup folder.
struct DemoWindow : WindowFixture {
    DemoWindow()
    {
        const QString demo = QStringLiteral(QUILLON_SOURCE_DIR "/demo/");
        TreeFiles::copyTree(demo + u"NCSEXPER"_qs, ncs());
        TreeFiles::copyTree(demo + u"program-files"_qs, program());
        QDir().mkpath(backup());
        static_cast<void>(settings.setValue(SettingsStore::FolderBackup, backup()));
        open();
    }
    QString backup() const { return path(u"Backup"_qs); }
    void choose(const QString& combo, const QString& entry) const
    {
        auto* box = find<QComboBox>(combo);
        box->setCurrentIndex(box->findText(entry));
        emit box->activated(box->currentIndex());
    }
};

} // namespace

// The window on the demo's files, as a user goes through it.
class TestDemoFlow : public QObject {
    Q_OBJECT
private slots:
    // Load the trace, choose chassis and module, show the values, pick one, save. The
    // look-alike that lacks a function marks it; the module the trace was read from has all.
    void loadShowValuesPickSave()
    {
        DemoWindow f;
        const QString backup = f.backup();

        // The guards, in their order; the module is the one Find module ranks first.
        f.click(u"cmdValues"_qs);
        f.action(u"sEdit_5"_qs)->trigger(); // the translation report
        f.load();
        f.click(u"cmdValues"_qs);
        f.choose(u"cmbChassis"_qs, u"DEM"_qs);
        QStringList best;
        ModalAnswer finder([&best](QDialog* dialog) {
            auto* list = child<QTreeWidget>(dialog, "listModules");
            QTRY_COMPARE(list->topLevelItemCount(), 6);
            const QTreeWidgetItem* first = list->currentItem();
            best =
                QStringList{first->text(0), first->text(1), first->text(2), child<QLabel>(dialog, "lblLacks")->text()};
            child<QPushButton>(dialog, "cmdOK")->click();
        });
        emit f.find<QMenu>(u"mEdit"_qs)->aboutToShow(); // the entry is enabled as the menu opens
        f.action(u"sEdit_4"_qs)->trigger();
        QVERIFY(finder.opened);
        QCOMPARE(best, (QStringList{u"LCM_DEM.C05"_qs, u"40"_qs, u"40"_qs,
                                    u"LCM_DEM.C05 has every function of the trace and knows every current value."_qs}));
        QCOMPARE(f.find<QComboBox>(u"cmbModule"_qs)->currentText(), u"LCM_DEM.C05"_qs);
        TraceTree& tree = f.tree();
        for (const QString& module : {u"LCM_DEM.C04"_qs, u"LCM_DEM.C05"_qs}) {
            f.choose(u"cmbModule"_qs, module);
            f.click(u"cmdValues"_qs);
            QCOMPARE(tree.image(tree.indexOfKey(u"AKUSTIK_VERRIEGELN"_qs)) == NodeImage::Warning,
                     module.endsWith(u'4'));
        }
        QCOMPARE(
            f.dialogs.texts(),
            (QStringList{u"Load TRC-file first."_qs, u"Load TRC-file first."_qs, u"Select chassis and module first."_qs,
                         u"Not all parameters are found.\r\nSelect the right chassis and module."_qs}));
        // "aktiv" is listed first; the trace has "nicht_aktiv".
        QVERIFY(clickNode(f.find<TraceTreeView>(u"TreeTRC"_qs), tree,
                          tree.firstChild(tree.indexOfKey(u"TAGFAHRLICHT"_qs))));
        QCOMPARE(f.session().ChangeCount, 1);
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

        const QString exported = f.dir.filePath(u"missing.csv"_qs);
        f.dialogs.queueSaveFile(exported);
        ModalAnswer report([](QDialog* dialog) { child<QPushButton>(dialog, "cmdExport")->click(); });
        f.action(u"sEdit_5"_qs)->trigger();
        QVERIFY(report.opened);
        QVERIFY(TestFiles::read(exported).startsWith("einmal,\r\nLICHTHUPE_ANZAHL,\r\n"));
    }

    // With the module read by its structure: "Explain function…" on the selected value's
    // function, the change window naming a value the module does not know while it is
    // typed, and the save asking before it writes that value.
    void explainAndCheckBeforeSaving()
    {
        DemoWindow f;
        f.load();
        f.choose(u"cmbChassis"_qs, u"DEM"_qs);
        f.choose(u"cmbModule"_qs, u"LCM_DEM.C05"_qs);
        TraceTree& tree = f.tree();
        auto* view = f.find<TraceTreeView>(u"TreeTRC"_qs);
        const int value = tree.firstChild(tree.indexOfKey(u"KOMFORTBLINKEN_ANZAHL"_qs));
        view->selectNode(value);
        QStringList explained;
        ModalAnswer explain([&explained](QDialog* dialog) {
            auto* values = child<QTreeWidget>(dialog, "listValues");
            for (int row = 0; row < values->topLevelItemCount(); ++row)
                if (values->topLevelItem(row)->font(0).bold())
                    explained.append(values->topLevelItem(row)->text(0));
            explained << child<QLabel>(dialog, "lblShares")->text() << child<QLabel>(dialog, "lblSearch")->text();
        });
        f.action(u"sEditExplain"_qs)->trigger();
        QVERIFY(explain.opened);
        QCOMPARE(explained, (QStringList{u"drei_mal"_qs, u"Shares bits with: KOMFORTBLINKEN"_qs,
                                         u"\"Show values\" finds the same values."_qs}));

        QString hint;
        ModalAnswer change([&hint](QDialog* dialog) {
            child<QLineEdit>(dialog, "txtChange")->setText(u"zwei_mal"_qs);
            hint = child<QLabel>(dialog, "lblCheck")->text();
            child<QPushButton>(dialog, "cmdOK_1")->click();
        });
        QVERIFY(clickNode(view, tree, value));
        QVERIFY(change.opened);
        const QString unknown = u"zwei_mal is not a value of KOMFORTBLINKEN_ANZAHL in LCM_DEM.C05"_qs;
        QCOMPARE(hint, unknown);
        f.dialogs.queueAnswer(MessageAnswer::No); // back to the values: nothing is written
        f.click(u"cmdSave"_qs);
        QVERIFY(f.dialogs.texts().value(0).startsWith(unknown));
        QVERIFY(!QFileInfo::exists(manipulationFilePath(f.ncs())));
        QCOMPARE(f.session().ChangeCount, 1);
    }

    // Both files come from the compare menu; the export is offered once they were compared.
    void compareTwoTraces()
    {
        DemoWindow f;
        const QString one = defaultTracePath(f.ncs()), two = f.dir.filePath(u"two.trc"_qs);
        QVERIFY(TestFiles::write(two, TestFiles::read(one).replace("\tnicht_aktiv", "\taktiv")));
        f.dialogs.queueOpenFile(one);
        f.action(u"ssFile_1"_qs)->trigger();
        f.dialogs.queueOpenFile(two);
        f.action(u"ssFile_2"_qs)->trigger();
        QVERIFY2(f.session().listItems().contains(u"11 differences"_qs),
                 qPrintable(f.session().listItems().join(u'|')));
        QVERIFY(f.action(u"ssFile_4"_qs)->isEnabled());
        f.dialogs.queueOpenFile(QString()); // "Load non-default TRC-file" cancelled: nothing happens
        f.action(u"sFile_1"_qs)->trigger();
        QVERIFY(f.session().listItems().contains(u"11 differences"_qs));
        QVERIFY(f.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestDemoFlow)
#include "test_demo_flow.moc"

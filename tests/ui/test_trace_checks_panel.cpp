#include "moduledata/module_data.h"
#include "support/window_fixture.h"
#include "tree_snapshot.h"

#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QTest>

namespace {

// The main window on a copy of the demo's NCS Expert folder and program files.
struct DemoWindow : WindowFixture {
    DemoWindow()
    {
        const QString demo = QStringLiteral(QUILLON_SOURCE_DIR "/demo/");
        TreeFiles::copyTree(demo + u"NCSEXPER"_qs, ncs());
        TreeFiles::copyTree(demo + u"program-files"_qs, program());
        open();
    }
};

} // namespace

class TestTraceChecksPanel : public QObject {
    Q_OBJECT
private slots:
    void findModulePicksTheDemoModule()
    {
        DemoWindow f;
        f.load();
        auto* box = f.find<QComboBox>(u"cmbChassis"_qs);
        box->setCurrentIndex(box->findText(u"DEM"_qs));
        emit box->activated(box->currentIndex());

        QString best;
        ModalAnswer answer([&best](QDialog* dialog) {
            auto* list = child<QListWidget>(dialog, "listModules");
            QTRY_COMPARE(list->count(), 6);
            best = list->currentItem()->text();
            child<QPushButton>(dialog, "cmdOK")->click();
        });
        emit f.find<QMenu>(u"mEdit"_qs)->aboutToShow(); // the entry is enabled as the menu opens
        f.action(u"sEdit_4"_qs)->trigger();
        QVERIFY(answer.opened);
        QCOMPARE(best, u"LCM_DEM.C05   39 of 40 values, 39 functions"_qs);
        QCOMPARE(f.find<QComboBox>(u"cmbModule"_qs)->currentText(), u"LCM_DEM.C05"_qs);
    }

    // The question comes with NCS Expert's own trace only, before anything else.
    void leftoverManipulationFile()
    {
        DemoWindow f;
        const QString man = manipulationFilePath(f.ncs());
        QVERIFY(TestFiles::write(man, TestFiles::read(QStringLiteral(QUILLON_SOURCE_DIR "/demo/leftover-man/FSW_PSW.MAN"))));
        const QString copy = f.dir.filePath(u"copy.trc"_qs);
        QVERIFY(QFile::copy(defaultTracePath(f.ncs()), copy));
        f.window->LoadTraceFile(copy);
        QVERIFY(f.dialogs.messages.isEmpty());
        f.dialogs.queueAnswer(MessageAnswer::Yes);
        f.load();
        QCOMPARE(f.dialogs.messages.size(), 2); // the question, then "... emptied."
        QVERIFY(f.dialogs.texts().first().startsWith(u"FSW_PSW.MAN in WORK was not written for this trace"_qs));
        QCOMPARE(TestFiles::read(man), QByteArray());
        QVERIFY(f.session().treeVisible());
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
        QVERIFY2(f.session().listItems().contains(u"11 differences"_qs), qPrintable(f.session().listItems().join(u'|')));
        QVERIFY(f.action(u"ssFile_4"_qs)->isEnabled());
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void translationReportExports()
    {
        DemoWindow f;
        f.action(u"sEdit_5"_qs)->trigger();
        QCOMPARE(f.dialogs.texts(), QStringList{u"Load TRC-file first."_qs});
        f.load();
        const QString exported = f.dir.filePath(u"missing.csv"_qs);
        f.dialogs.queueSaveFile(exported);
        ModalAnswer answer([](QDialog* dialog) { child<QPushButton>(dialog, "cmdExport")->click(); });
        f.action(u"sEdit_5"_qs)->trigger();
        QVERIFY(answer.opened);
        QVERIFY(TestFiles::read(exported).startsWith("einmal,\r\nLICHTHUPE_ANZAHL,\r\n"));
    }
};

QTEST_MAIN(TestTraceChecksPanel)
#include "test_trace_checks_panel.moc"

#include "moduledata/module_data.h"
#include "support/window_fixture.h"

#include <QComboBox>
#include <QDirIterator>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>

namespace {

// The main window on a copy of the demo's NCS Expert folder and program files.
struct DemoWindow : WindowFixture {
    DemoWindow()
    {
        const QString demo = QStringLiteral(QUILLON_SOURCE_DIR "/demo/");
        for (const auto& [from, to] : {std::pair{demo + u"NCSEXPER"_qs, ncs()}, {demo + u"program-files"_qs, program()}}) {
            QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString source = it.next();
                TestFiles::write(to + source.mid(from.size()), TestFiles::read(source));
            }
        }
        open();
    }
    void chooseChassis(const QString& name)
    {
        auto* box = find<QComboBox>(u"cmbChassis"_qs);
        box->setCurrentIndex(box->findText(name));
        emit box->activated(box->currentIndex());
    }
    bool findModuleEnabled()
    {
        emit find<QMenu>(u"mEdit"_qs)->aboutToShow();
        return action(u"sEdit_4"_qs)->isEnabled();
    }
};

} // namespace

class TestTraceChecksPanel : public QObject {
    Q_OBJECT
private slots:
    void findModulePicksTheDemoModule()
    {
        DemoWindow f;
        QVERIFY(!f.findModuleEnabled());
        f.load();
        QVERIFY(!f.findModuleEnabled());
        f.chooseChassis(u"DEM"_qs);
        QVERIFY(f.findModuleEnabled());

        QStringList listed;
        ModalAnswer answer([&listed](QDialog* dialog) {
            auto* list = child<QListWidget>(dialog, "listModules");
            QTRY_COMPARE(list->count(), 6);
            for (int row = 0; row < list->count(); ++row)
                listed.append(list->item(row)->text().section(u' ', 0, 0));
            child<QPushButton>(dialog, "cmdOK")->click();
        });
        f.action(u"sEdit_4"_qs)->trigger();
        QVERIFY(answer.opened);
        QCOMPARE(listed, (QStringList{u"LCM_DEM.C05"_qs, u"LCM_DEM.C06"_qs, u"LCM_DEM.C04"_qs, u"LCM_DEM.C03"_qs,
                                      u"KOMBI.C02"_qs, u"ZKE_DEM.C07"_qs}));
        QCOMPARE(f.find<QComboBox>(u"cmbModule"_qs)->currentText(), u"LCM_DEM.C05"_qs);
        QVERIFY(!f.window->context().moduleData->ModuleHex.isEmpty());
    }

    // The question comes with NCS Expert's own trace only, before anything else.
    void leftoverManipulationFile_data()
    {
        QTest::addColumn<bool>("defaultTrace");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("default trace") << true
                                       << QStringList{u"FSW_PSW.MAN in WORK was not written for this trace (3 of its 4 "
                                                      u"functions are not in it). NCS Expert would code it into this "
                                                      u"module. Empty it now?"_qs,
                                                      u"emptied."_qs};
        QTest::newRow("a copy of the trace") << false << QStringList();
    }
    void leftoverManipulationFile()
    {
        QFETCH(bool, defaultTrace);
        QFETCH(QStringList, messages);
        DemoWindow f;
        const QString man = manipulationFilePath(f.ncs());
        const QByteArray leftover = TestFiles::read(QStringLiteral(QUILLON_SOURCE_DIR "/demo/leftover-man/FSW_PSW.MAN"));
        QVERIFY(TestFiles::write(man, leftover));
        const QString copy = f.dir.filePath(u"copy.trc"_qs);
        QVERIFY(QFile::copy(defaultTracePath(f.ncs()), copy));
        if (defaultTrace) {
            f.dialogs.queueAnswer(MessageAnswer::Yes);
            f.load();
        } else {
            f.window->LoadTraceFile(copy);
        }
        QCOMPARE(f.dialogs.messages.size(), messages.size());
        for (int i = 0; i < messages.size(); ++i)
            QVERIFY2(f.dialogs.messages[i].text.endsWith(messages[i]), qPrintable(f.dialogs.messages[i].text));
        QCOMPARE(TestFiles::read(man), defaultTrace ? QByteArray() : leftover);
        QVERIFY(f.session().treeVisible());
    }

    void translationReportExports()
    {
        DemoWindow f;
        f.action(u"sEdit_5"_qs)->trigger();
        QCOMPARE(f.dialogs.texts(), QStringList{u"Load TRC-file first."_qs});
        f.load();
        const QString exported = f.dir.filePath(u"missing.csv"_qs);
        f.dialogs.queueSaveFile(exported);
        QString coverage;
        ModalAnswer answer([&coverage](QDialog* dialog) {
            coverage = child<QLabel>(dialog, "lblCoverage")->text();
            QCOMPARE(child<QListWidget>(dialog, "listMissing")->count(), 4);
            child<QPushButton>(dialog, "cmdExport")->click();
        });
        f.action(u"sEdit_5"_qs)->trigger();
        QVERIFY(answer.opened);
        QCOMPARE(coverage, u"functions: 38 of 40 translated\nvalues: 13 of 15 translated"_qs);
        QCOMPARE(TestFiles::read(exported), QByteArray("einmal,\r\nLICHTHUPE_ANZAHL,\r\nREGENSENSOR_EMPFINDLICHKEIT,\r\n"
                                                       "stufe_2,\r\n"));
        QVERIFY(f.dialogs.texts().last().startsWith(u"4 names written to "_qs));
    }
};

QTEST_MAIN(TestTraceChecksPanel)
#include "test_trace_checks_panel.moc"

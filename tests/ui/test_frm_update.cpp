#include "common/busy_state.h"
#include "support/window_fixture.h"
#include "ui/frm_update.h"
#include "ui/install_panel.h"
#include "updatecheck/family_files.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// NFS and SP-daten hold the same family at different levels, plus one family each.
struct Fixture : WindowFixture {
    BusyState busy;

    QString nfs() const { return dir.filePath(u"NFS"_qs); }
    QString spDaten() const { return dir.filePath(u"SP"_qs); }
    QByteArray plan() const { return TestFiles::read(program() + u"/Updateplan.txt"_qs); }

    Fixture()
    {
        writeAssemblyData(nfs(), {u"DME/DME.DAT|7000001 0000001 7100000|7000002 0000002 7100000"_qs,
                                  u"DME/DME.HIS|7000001 7000002"_qs, u"LCM/LCM.DAT|6000001 0000001 6100000"_qs});
        writeAssemblyData(spDaten(),
                          {u"DME/DME.DAT|7000001 0000001 7100000|7000002 0000002 7100000|7000003 0000003 7100000"_qs,
                           u"DME/DME.HIS|7000001 7000002|7000002 7000003"_qs,
                           u"ZKE/ZKE.DAT|5000001 0000001 5100000|5000002 0000002 5100000"_qs,
                           u"ZKE/ZKE.HIS|5000001 5000002"_qs});
        settings.setValue(SettingsStore::FolderNFS, nfs());
    }

    std::unique_ptr<FrmUpdate> update(const QString& spDatenFolder)
    {
        return std::make_unique<FrmUpdate>(FrmUpdate::Services{dialogs, clock, busy, program()}, nfs(),
                                           spDatenFolder);
    }
};

QString text(QWidget* window, const char* label)
{
    return child<QLabel>(window, label)->text();
}

void check(QWidget* window, const QString& number)
{
    child<QLineEdit>(window, "txtZUSB")->setText(number);
    child<QPushButton>(window, "cmdOK_1")->click();
}

} // namespace

class TestFrmUpdate : public QObject {
    Q_OBJECT
private slots:
    void searchedFolder_data()
    {
        QTest::addColumn<bool>("spSource");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("update");
        QTest::addColumn<bool>("addEnabled");
        QTest::newRow("NFS level") << false << u"7000001"_qs << u"Update available --> 7000002"_qs << true;
        QTest::newRow("SP-daten level") << true << u"7000001"_qs << u"Update available --> 7000003"_qs << true;
        QTest::newRow("only in SP-daten, checking NFS") << false << u"5000001"_qs << u"Check assembly line data"_qs
                                                        << false;
        QTest::newRow("only in NFS, checking SP-daten") << true << u"6000001"_qs << u"Check assembly line data"_qs
                                                        << false;
    }

    void searchedFolder()
    {
        QFETCH(bool, spSource);
        QFETCH(QString, number);
        QFETCH(QString, update);
        QFETCH(bool, addEnabled);
        Fixture f;
        auto w = f.update(f.spDaten());
        auto* box = child<QCheckBox>(w.get(), "chkFolder");
        if (spSource)
            box->click();
        QCOMPARE(w->PathSearch, spSource ? f.spDaten() : f.nfs());
        check(w.get(), number);
        QCOMPARE(text(w.get(), "lblUpdate"), update);
        QCOMPARE(child<QPushButton>(w.get(), "cmdOK_2")->isEnabled(), addEnabled);
        QVERIFY(f.dialogs.messages.isEmpty());
        QVERIFY(!f.busy.isBusy());
        if (spSource) { // unchecking goes back to WinKFP's folder
            box->click();
            QCOMPARE(w->PathSearch, f.nfs());
        }
    }

    void planGetsOneEntryPerCheck()
    {
        Fixture f;
        auto w = f.update(f.spDaten());
        auto* add = child<QPushButton>(w.get(), "cmdOK_2");
        check(w.get(), u"7000001"_qs);
        add->click();
        QVERIFY(!add->isEnabled());
        add->click(); // disabled: nothing more is written
        QCOMPARE(f.plan().count("Assembly number"), 1);
        QVERIFY(f.plan().contains("Update to\t: 7000002\r\n"));

        // A check that finds nothing disables the button even after an update was found.
        check(w.get(), u"7000001"_qs);
        QVERIFY(add->isEnabled());
        check(w.get(), u"6000001"_qs);
        QVERIFY(!add->isEnabled());

        // The entry field edited after the check: its text goes in, the rest is the check's.
        child<QCheckBox>(w.get(), "chkFolder")->click();
        check(w.get(), u"5000001"_qs);
        child<QLineEdit>(w.get(), "txtZUSB")->setText(u"EDITED1"_qs);
        add->click();
        QCOMPARE(f.plan().count("Assembly number"), 2);
        QVERIFY(f.plan().endsWith("Assembly number\t: EDITED1\r\nHardware number\t: 5100000\r\n\r\nECU family\t: ZKE\r\n"
                                  "Update to\t: 5000002\r\n===================================================\r\n\r\n"));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    // The main window's button opens a fresh modal window on the folders of the moment.
    void mainWindowOpensAFreshWindow()
    {
        Fixture f;
        MainWindow& frmMain = f.open();
        int searchWindowClosed = 0;
        frmMain.context().closeSearchWindow = [&] { ++searchWindowClosed; };
        auto* cmdCheck = f.find<QPushButton>(u"cmdCheck"_qs);

        ModalAnswer first([&](QDialog* dialog) {
            auto* w = qobject_cast<FrmUpdate*>(dialog);
            QVERIFY(w);
            QCOMPARE(searchWindowClosed, 1);
            QCOMPARE(w->parentWidget(), &frmMain);
            QCOMPARE(w->PathNFS, f.nfs());
            QVERIFY(!child<QCheckBox>(w, "chkFolder")->isEnabled()); // no data set chosen
            check(w, u"7000001"_qs);
            child<QPushButton>(w, "cmdOK_2")->click();
        });
        cmdCheck->click();
        QVERIFY(first.opened);
        QCOMPARE(f.plan().count("Assembly number"), 1);

        // A data set chosen in the "SP daten" frame since then is offered, the rest starts afresh.
        frmMain.findChild<InstallPanel*>()->state().FolderSPdaten = f.spDaten();
        ModalAnswer second([&](QDialog* dialog) {
            auto* w = qobject_cast<FrmUpdate*>(dialog);
            QVERIFY(w);
            QCOMPARE(w->PathSPdaten, f.spDaten());
            QVERIFY(child<QLineEdit>(w, "txtZUSB")->text().isEmpty());
            QVERIFY(text(w, "lblHardware").isEmpty());
            QCOMPARE(text(w, "lblUpdate"), u"Or functional jobs, button UIF for all modules"_qs);
            QVERIFY(!child<QPushButton>(w, "cmdOK_2")->isEnabled());
            auto* box = child<QCheckBox>(w, "chkFolder");
            QVERIFY(box->isEnabled());
            QVERIFY(!box->isChecked());
            box->click();
            check(w, u"7000001"_qs);
            QCOMPARE(text(w, "lblUpdate"), u"Update available --> 7000003"_qs);
        });
        cmdCheck->click();
        QVERIFY(second.opened);
        QCOMPARE(searchWindowClosed, 2);
        QVERIFY(f.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestFrmUpdate)
#include "test_frm_update.moc"

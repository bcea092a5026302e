#include "support/window_fixture.h"
#include "ui/frm_update.h"
#include "ui/install_panel.h"
#include "updatecheck/family_files.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// NFS and SP-daten hold the same family at different levels.
struct Fixture : WindowFixture {
    QString nfs() const { return dir.filePath(u"NFS"_qs); }
    QString spDaten() const { return dir.filePath(u"SP"_qs); }
    QByteArray plan() const { return TestFiles::read(program() + u"/Updateplan.txt"_qs); }
    Fixture()
    {
        writeAssemblyData(nfs(), {u"DME/DME.DAT|7000001 0000001 7100000|7000002 0000002 7100000"_qs,
                                  u"DME/DME.HIS|7000001 7000002"_qs});
        writeAssemblyData(spDaten(),
                          {u"DME/DME.DAT|7000001 0000001 7100000|7000002 0000002 7100000|7000003 0000003 7100000"_qs,
                           u"DME/DME.HIS|7000001 7000002|7000002 7000003"_qs});
        static_cast<void>(settings.setValue(SettingsStore::FolderNFS, nfs()));
    }
};

QString check(QWidget* window, const QString& number)
{
    child<QLineEdit>(window, "txtZUSB")->setText(number);
    child<QPushButton>(window, "cmdOK_1")->click();
    return child<QLabel>(window, "lblUpdate")->text();
}

} // namespace

class TestFrmUpdate : public QObject {
    Q_OBJECT
private slots:
    // The main window's button opens a fresh modal window on the folders of the moment. The
    // box switches the search between WinKFP's folder and the data set; an update adds one
    // entry to the plan and disables the button.
    void checkAndAddToThePlan()
    {
        Fixture f;
        MainWindow& frmMain = f.open();
        ModalAnswer first([&](QDialog* dialog) {
            auto* w = qobject_cast<FrmUpdate*>(dialog);
            QVERIFY(w && w->parentWidget() == &frmMain);
            QVERIFY(!child<QCheckBox>(w, "chkFolder")->isEnabled()); // no data set chosen yet
            QCOMPARE(check(w, u"7000001"_qs), u"Update available --> 7000002"_qs);
            child<QLineEdit>(w, "txtZUSB")->setText(u"EDITED1"_qs); // its text goes in, the rest is the check's
            child<QPushButton>(w, "cmdOK_2")->click();
        });
        f.click(u"cmdCheck"_qs);
        QVERIFY(first.opened);
        QVERIFY(f.plan().contains("Assembly number\t: EDITED1\r\nHardware number\t: 7100000\r\n"));

        frmMain.findChild<InstallPanel*>()->state().FolderSPdaten = f.spDaten();
        ModalAnswer second([&](QDialog* dialog) {
            auto* w = qobject_cast<FrmUpdate*>(dialog);
            QVERIFY(w && child<QLineEdit>(w, "txtZUSB")->text().isEmpty());
            auto* box = child<QCheckBox>(w, "chkFolder");
            auto* add = child<QPushButton>(w, "cmdOK_2");
            box->click();
            QCOMPARE(w->PathSearch, f.spDaten());
            QCOMPARE(check(w, u"7000001"_qs), u"Update available --> 7000003"_qs);
            add->click();
            QVERIFY(!add->isEnabled());
            box->click();
            QCOMPARE(w->PathSearch, f.nfs());
        });
        f.click(u"cmdCheck"_qs);
        QVERIFY(second.opened);
        QCOMPARE(f.plan().count("Assembly number"), 2);
        QVERIFY(f.plan().endsWith("Update to\t: 7000003\r\n" + QByteArray(51, '=') + "\r\n\r\n"));
        QVERIFY(f.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestFrmUpdate)
#include "test_frm_update.moc"

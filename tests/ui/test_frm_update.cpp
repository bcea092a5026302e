#include "common/busy_state.h"
#include "common/clock.h"
#include "common/paths.h"
#include "settings/settings_store.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "ui/frm_update.h"
#include "ui/install_panel.h"
#include "ui/main_window.h"
#include "updatecheck/family_files.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// NFS and SP-daten hold the same family at different levels, plus one family each.
struct Fixture {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    FixedClock clock{QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9))};
    BusyState busy;

    QString nfs() const { return dir.filePath(u"NFS"_qs); }
    QString spDaten() const { return dir.filePath(u"SP"_qs); }
    QString program() const { return dir.filePath(u"program"_qs); }
    QString plan() const { return dir.filePath(u"program/Updateplan.txt"_qs); }

    Fixture()
    {
        writeAssemblyData(nfs(), {u"DME/DME.DAT|7000001 0000001 7100000|7000002 0000002 7100000"_qs,
                                  u"DME/DME.HIS|7000001 7000002"_qs, u"LCM/LCM.DAT|6000001 0000001 6100000"_qs});
        writeAssemblyData(spDaten(),
                          {u"DME/DME.DAT|7000001 0000001 7100000|7000002 0000002 7100000|7000003 0000003 7100000"_qs,
                           u"DME/DME.HIS|7000001 7000002|7000002 7000003"_qs,
                           u"ZKE/ZKE.DAT|5000001 0000001 5100000|5000002 0000002 5100000"_qs,
                           u"ZKE/ZKE.HIS|5000001 5000002"_qs});
        QDir().mkpath(program());
    }

    std::unique_ptr<FrmUpdate> window(const QString& spDatenFolder)
    {
        return std::make_unique<FrmUpdate>(FrmUpdate::Services{dialogs, clock, busy, program()}, nfs(),
                                           spDatenFolder);
    }
};

template <typename T>
T* child(QWidget* window, const char* name)
{
    T* control = window->findChild<T*>(QString::fromLatin1(name));
    if (!control)
        qFatal("control %s not found", name);
    return control;
}

QString text(QWidget* window, const char* label)
{
    return child<QLabel>(window, label)->text();
}

void check(QWidget* window, const QString& number)
{
    child<QLineEdit>(window, "txtZUSB")->setText(number);
    child<QPushButton>(window, "cmdOK_1")->click();
}

QByteArray entry(const QByteArray& number, const QByteArray& hardware, const QByteArray& family,
                 const QByteArray& update, const QDateTime& when)
{
    return "Date\t\t: " + DateText::general(when).toLatin1() + "\r\n\r\nAssembly number\t: " + number
           + "\r\nHardware number\t: " + hardware + "\r\n\r\nECU family\t: " + family + "\r\nUpdate to\t: " + update
           + "\r\n===================================================\r\n\r\n";
}

const QByteArray kHeader = "===================================================\r\n"
                           "       Generated with Quillon\r\n"
                           "===================================================\r\n\r\n";

// Runs action on the modal window that opens during open(), then closes it.
void whileModal(const std::function<void()>& open, const std::function<void(FrmUpdate*)>& action)
{
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* modal = qobject_cast<FrmUpdate*>(QApplication::activeModalWidget());
        if (!modal || seen)
            return;
        seen = true;
        action(modal);
        modal->reject();
    });
    poll.start();
    open();
    QVERIFY2(seen, "the update window did not open modally");
}

} // namespace

class TestFrmUpdate : public QObject {
    Q_OBJECT
private slots:
    void designedState_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("Label1") << u"Label1"_qs << u"Assembly number:"_qs << true;
        QTest::newRow("chkFolder") << u"chkFolder"_qs << u"Check SP-source"_qs << true;
        QTest::newRow("lblPath") << u"lblPath"_qs << u"Find assembly number in INPA, button Ident, page down"_qs << true;
        QTest::newRow("lblHardware") << u"lblHardware"_qs << QString() << true;
        QTest::newRow("lblUpdate") << u"lblUpdate"_qs << u"Or functional jobs, button UIF for all modules"_qs << true;
        QTest::newRow("cmdOK_2") << u"cmdOK_2"_qs << u"Add to updateplan"_qs << false;
        QTest::newRow("cmdOK_1") << u"cmdOK_1"_qs << u"Check"_qs << true;
        QTest::newRow("cmdOK_0") << u"cmdOK_0"_qs << u"Cancel"_qs << true;
    }

    void designedState()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        Fixture f;
        auto w = f.window(f.spDaten());
        QCOMPARE(w->objectName(), u"frmUpdate"_qs);
        QCOMPARE(w->windowTitle(), u"Check for update"_qs);
        QWidget* control = w->findChild<QWidget*>(name);
        QVERIFY(control);
        QString shown;
        if (auto* label = qobject_cast<QLabel*>(control))
            shown = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            shown = button->text();
        QCOMPARE(shown, caption);
        QCOMPARE(control->isEnabled(), enabled);
        QVERIFY(child<QLineEdit>(w.get(), "txtZUSB")->text().isEmpty());
        QVERIFY(!child<QCheckBox>(w.get(), "chkFolder")->isChecked());
        QCOMPARE(w->PathSearch, f.nfs());
    }

    void buttonsInOneRowCheckIsDefault()
    {
        Fixture f;
        auto w = f.window(QString());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto* add = child<QPushButton>(w.get(), "cmdOK_2");
        auto* run = child<QPushButton>(w.get(), "cmdOK_1");
        auto* cancel = child<QPushButton>(w.get(), "cmdOK_0");
        QCOMPARE(add->y(), run->y());
        QCOMPARE(run->y(), cancel->y());
        QVERIFY(add->x() < run->x() && run->x() < cancel->x());
        QVERIFY(run->isDefault());

        // Enter runs the check from the entry field; Escape closes the window.
        auto* entry = child<QLineEdit>(w.get(), "txtZUSB");
        entry->setFocus();
        QTest::keyClicks(entry, u"7000001"_qs);
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(text(w.get(), "lblUpdate"), u"Update available --> 7000002"_qs);
        QTest::keyClick(entry, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        QCOMPARE(w->result(), int(QDialog::Rejected));
    }

    void searchedFolder_data()
    {
        QTest::addColumn<bool>("spSource");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("hardware");
        QTest::addColumn<QString>("update");
        QTest::addColumn<bool>("addEnabled");
        QTest::newRow("NFS level") << false << u"7000001"_qs << u"Found in ECU family DME"_qs
                                   << u"Hardware nr: 7100000"_qs << u"Update available --> 7000002"_qs << true;
        QTest::newRow("SP-daten level") << true << u"7000001"_qs << u"Found in ECU family DME"_qs
                                        << u"Hardware nr: 7100000"_qs << u"Update available --> 7000003"_qs << true;
        QTest::newRow("only in SP-daten, checking NFS") << false << u"5000001"_qs << u"Nothing found..."_qs
                                                        << QString() << u"Check assembly line data"_qs << false;
        QTest::newRow("only in SP-daten") << true << u"5000001"_qs << u"Found in ECU family ZKE"_qs
                                          << u"Hardware nr: 5100000"_qs << u"Update available --> 5000002"_qs << true;
        QTest::newRow("only in NFS, checking SP-daten") << true << u"6000001"_qs << u"Nothing found..."_qs
                                                        << QString() << u"Check assembly line data"_qs << false;
    }

    void searchedFolder()
    {
        QFETCH(bool, spSource);
        QFETCH(QString, number);
        QFETCH(QString, path);
        QFETCH(QString, hardware);
        QFETCH(QString, update);
        QFETCH(bool, addEnabled);
        Fixture f;
        auto w = f.window(f.spDaten());
        auto* box = child<QCheckBox>(w.get(), "chkFolder");
        QVERIFY(box->isEnabled());
        if (spSource)
            box->click();
        QCOMPARE(w->PathSearch, spSource ? f.spDaten() : f.nfs());
        check(w.get(), number);
        QCOMPARE(text(w.get(), "lblPath"), path);
        QCOMPARE(text(w.get(), "lblHardware"), hardware);
        QCOMPARE(text(w.get(), "lblUpdate"), update);
        QCOMPARE(child<QPushButton>(w.get(), "cmdOK_2")->isEnabled(), addEnabled);
        QVERIFY(f.dialogs.messages.isEmpty());
        QVERIFY(!f.busy.isBusy());

        // Unchecking goes back to WinKFP's folder.
        if (spSource) {
            box->click();
            QCOMPARE(w->PathSearch, f.nfs());
        }
    }

    void missingDataFolderIsReported()
    {
        Fixture f;
        auto w = f.window(f.dir.filePath(u"empty"_qs));
        check(w.get(), u"7000001"_qs);
        child<QCheckBox>(w.get(), "chkFolder")->click();
        check(w.get(), u"7000001"_qs);
        QCOMPARE(f.dialogs.messages.size(), 1);
        const auto& message = f.dialogs.messages.first();
        QCOMPARE(message.title, u"Check for update"_qs);
        QCOMPARE(message.icon, MessageIcon::Critical);
        QCOMPARE(message.text,
                 Paths::join(f.dir.filePath(u"empty"_qs), u"\\DATA"_qs) + u" not found.\r\nSet your default folders."_qs);
        for (const char* label : {"lblPath", "lblHardware", "lblUpdate"})
            QVERIFY2(text(w.get(), label).isEmpty(), label);
        QVERIFY(!child<QPushButton>(w.get(), "cmdOK_2")->isEnabled());
    }

    void planGetsOneEntryPerCheck()
    {
        Fixture f;
        auto w = f.window(f.spDaten());
        auto* add = child<QPushButton>(w.get(), "cmdOK_2");
        check(w.get(), u"7000001"_qs);
        add->click();
        QVERIFY(!add->isEnabled());
        add->click(); // disabled: nothing more is written
        const QByteArray first = kHeader + entry("7000001", "7100000", "DME", "7000002", f.clock.now());
        QCOMPARE(TestFiles::read(f.plan()), first);

        // A check that finds nothing disables the button even after an update was found.
        check(w.get(), u"7000001"_qs);
        QVERIFY(add->isEnabled());
        check(w.get(), u"6000001"_qs);
        QVERIFY(!add->isEnabled());

        // The entry field edited after the check: its text goes in, the rest is the check's.
        child<QCheckBox>(w.get(), "chkFolder")->click();
        check(w.get(), u"5000001"_qs);
        child<QLineEdit>(w.get(), "txtZUSB")->setText(u"EDITED1"_qs);
        f.clock.advance(60);
        add->click();
        QCOMPARE(TestFiles::read(f.plan()), first + entry("EDITED1", "5100000", "ZKE", "5000002", f.clock.now()));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void unwritablePlanIsReportedAndCanBeRetried()
    {
        Fixture f;
        QVERIFY(QDir().mkpath(f.plan())); // a folder where the file should be
        auto w = f.window(QString());
        check(w.get(), u"7000001"_qs);
        auto* add = child<QPushButton>(w.get(), "cmdOK_2");
        add->click();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages.first().title, u"Check for update"_qs);
        QCOMPARE(f.dialogs.messages.first().icon, MessageIcon::Critical);
        QVERIFY(add->isEnabled());
        QCOMPARE(text(w.get(), "lblUpdate"), u"Update available --> 7000002"_qs);

        QVERIFY(QDir(f.plan()).removeRecursively());
        add->click();
        QCOMPARE(TestFiles::read(f.plan()), kHeader + entry("7000001", "7100000", "DME", "7000002", f.clock.now()));
        QVERIFY(!add->isEnabled());
    }

    // The main window's button opens a fresh modal window on the folders of the moment.
    void mainWindowOpensAFreshWindow()
    {
        Fixture f;
        SettingsStore settings(f.dir.filePath(u"settings.ini"_qs));
        settings.setValue(SettingsStore::FolderNFS, f.nfs());
        FixedClock clock;
        MainWindow frmMain(MainWindowServices{settings, f.dialogs, clock, f.program(), f.dir.path()});
        frmMain.show();
        int searchWindowClosed = 0;
        frmMain.context().closeSearchWindow = [&] { ++searchWindowClosed; };
        auto* cmdCheck = child<QPushButton>(&frmMain, "cmdCheck");
        QCOMPARE(cmdCheck->text(), u"Check ECU update"_qs);

        whileModal([&] { cmdCheck->click(); }, [&](FrmUpdate* w) {
            QCOMPARE(searchWindowClosed, 1);
            QCOMPARE(w->parentWidget(), &frmMain);
            QCOMPARE(w->PathNFS, f.nfs());
            QVERIFY(w->PathSPdaten.isEmpty());
            QVERIFY(!child<QCheckBox>(w, "chkFolder")->isEnabled());
            check(w, u"7000001"_qs);
            QCOMPARE(text(w, "lblUpdate"), u"Update available --> 7000002"_qs);
            child<QPushButton>(w, "cmdOK_2")->click();
        });
        QCOMPARE(TestFiles::read(f.plan()), kHeader + entry("7000001", "7100000", "DME", "7000002", clock.now()));

        // A data set chosen in the "SP daten" frame since then is offered, the rest starts afresh.
        frmMain.findChild<InstallPanel*>()->state().FolderSPdaten = f.spDaten();
        whileModal([&] { cmdCheck->click(); }, [&](FrmUpdate* w) {
            QCOMPARE(w->PathSPdaten, f.spDaten());
            QVERIFY(child<QLineEdit>(w, "txtZUSB")->text().isEmpty());
            QCOMPARE(text(w, "lblPath"), u"Find assembly number in INPA, button Ident, page down"_qs);
            QVERIFY(text(w, "lblHardware").isEmpty());
            QCOMPARE(text(w, "lblUpdate"), u"Or functional jobs, button UIF for all modules"_qs);
            QVERIFY(!child<QPushButton>(w, "cmdOK_2")->isEnabled());
            auto* box = child<QCheckBox>(w, "chkFolder");
            QVERIFY(box->isEnabled());
            QVERIFY(!box->isChecked());
            QCOMPARE(w->PathSearch, f.nfs());
            box->click();
            check(w, u"7000001"_qs);
            QCOMPARE(text(w, "lblUpdate"), u"Update available --> 7000003"_qs);
        });
        QCOMPARE(searchWindowClosed, 2);
        QVERIFY(f.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestFrmUpdate)
#include "test_frm_update.moc"

#include "install_fixture.h"
#include "support/window_fixture.h"
#include "tree_snapshot.h"

#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

namespace {

// The real main window on the tool folders of an install fixture.
struct Window {
    InstallFixture tools;
    SettingsStore settings{tools.at(u"settings.ini"_qs)};
    ScriptedDialogs dialogs;
    FixedClock clock;
    std::unique_ptr<MainWindow> window;

    Window()
    {
        settings.setValue(SettingsStore::FolderNCS, tools.folders.FolderNCS);
        settings.setValue(SettingsStore::FolderEDIABAS, tools.folders.FolderEDIABAS);
        settings.setValue(SettingsStore::FolderNFS, tools.folders.FolderNFS);
        window = std::make_unique<MainWindow>(
            MainWindowServices{settings, dialogs, clock, tools.at(u"program"_qs), tools.root()});
        window->show();
        dialogs.queueFolder(tools.at(InstallFixture::DataSet));
        click("cmdFolder");
    }
    template <typename T>
    T* find(const char* name)
    {
        return child<T>(window.get(), name);
    }
    void click(const char* button) { find<QPushButton>(button)->click(); }
    QString caption() { return find<QLabel>("lblCopy")->text(); }
    QStringList log()
    {
        QStringList lines;
        auto* model = find<QListView>("listCopy")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            lines.append(model->index(row, 0).data().toString());
        return lines;
    }
};

} // namespace

class TestInstallPanel : public QObject {
    Q_OBJECT
private slots:
    void updateRunFillsTheFrame()
    {
        Window w;
        QCOMPARE(w.find<QLabel>("lblSPdaten")->text(), w.tools.at(InstallFixture::DataSet));
        QVERIFY(!w.find<QListView>("listCopy")->isVisible());
        w.dialogs.queueAnswer(MessageAnswer::No);
        w.click("cmdUpdate_0");
        QCOMPARE(w.caption(), u"Update SP-daten ready [17 files updated]"_qs);
        const QStringList log = w.log();
        QCOMPARE(log.first(), w.tools.at(u"EDIABAS/ECU"_qs));
        QCOMPARE(log.mid(log.size() - 2), (QStringList{QString(), u"UPDATE READY"_qs}));
        QCOMPARE(w.find<QListView>("listCopy")->currentIndex().row(), log.size() - 1);
        QVERIFY(w.find<QListView>("listCopy")->isVisible() && !w.find<QWidget>("listImage")->isVisible());
        QCOMPARE(w.find<QProgressBar>("progBar")->value(), 100);

        // Cancel at the question copies nothing; Yes runs the other update.
        w.dialogs.queueAnswer(MessageAnswer::Cancel);
        w.click("cmdUpdate_1");
        QCOMPARE(w.log(), log);
        w.dialogs.queueAnswer(MessageAnswer::Yes);
        w.click("cmdUpdate_1");
        QCOMPARE(w.caption(), u"Update WinKFP ready [3 folders updated]"_qs);
        QVERIFY(w.find<QPushButton>("cmdUpdate_0")->isEnabled() && w.find<QPushButton>("cmdUpdate_1")->isEnabled());
        w.click("cmdShow"); // the guide replaces the log
        QCOMPARE(w.log().size(), 17);
        QVERIFY(w.dialogs.unexpected.isEmpty());
    }

    // While a run copies, the window takes events: the update buttons are off, the guide
    // refuses, the window does not close, and choosing a data set still works.
    void windowStaysLiveDuringARun()
    {
        Window w;
        for (int i = 0; i < 3000; ++i)
            QVERIFY(TreeFiles::build(w.tools.at(InstallFixture::DataSet), {{u"ECU/F%1.PRG"_qs.arg(i), QByteArray(2000, 'x')}}));
        bool seen = false;
        QTimer::singleShot(0, [&] {
            seen = true;
            QVERIFY(!w.find<QPushButton>("cmdUpdate_0")->isEnabled());
            QVERIFY(!w.find<QPushButton>("cmdUpdate_1")->isEnabled());
            QVERIFY(w.window->context().busy.isBusy());
            QVERIFY(w.find<QListView>("listCopy")->model()->rowCount() > 0);
            w.click("cmdShow");
            QCOMPARE(w.find<QPushButton>("cmdShow")->text(), u"Show WinKFP"_qs);
            QVERIFY(!w.window->close());
            w.dialogs.queueFolder(w.tools.at(InstallFixture::DataSet));
            w.click("cmdFolder");
        });
        w.dialogs.queueAnswer(MessageAnswer::No);
        w.click("cmdUpdate_0");
        QVERIFY(seen);
        QCOMPARE(w.caption(), u"Update SP-daten ready [3017 files updated]"_qs);
        QCOMPARE(w.log().last(), u"UPDATE READY"_qs);
        QVERIFY(w.window->isVisible());
    }
};

QTEST_MAIN(TestInstallPanel)
#include "test_install_panel.moc"

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
    }
    template <typename T>
    T* find(const char* name)
    {
        return child<T>(window.get(), name);
    }
    QStringList log()
    {
        QStringList lines;
        auto* model = find<QListView>("listCopy")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            lines.append(model->index(row, 0).data().toString());
        return lines;
    }
    void chooseDataSet(const QString& folder)
    {
        dialogs.queueFolder(folder);
        find<QPushButton>("cmdFolder")->click();
    }
};

} // namespace

class TestInstallPanel : public QObject {
    Q_OBJECT
private slots:
    void updateRunFillsTheFrame()
    {
        Window w;
        QVERIFY(!w.find<QListView>("listCopy")->isVisible());
        w.chooseDataSet(w.tools.at(u"SP-E60"_qs));
        QCOMPARE(w.find<QLabel>("lblSPdaten")->text(), w.tools.at(u"SP-E60"_qs));

        w.dialogs.queueAnswer(MessageAnswer::No);
        w.find<QPushButton>("cmdUpdate_0")->click();
        QCOMPARE(w.find<QLabel>("lblCopy")->text(), u"Update SP-daten ready [9 files updated]"_qs);
        const QStringList log = w.log();
        QCOMPARE(log.first(), w.tools.at(u"EDIABAS/ECU"_qs));
        QCOMPARE(log.mid(log.size() - 2), (QStringList{QString(), u"UPDATE READY"_qs}));
        auto* list = w.find<QListView>("listCopy");
        QCOMPARE(list->currentIndex().row(), log.size() - 1);
        QVERIFY(list->isVisible());
        QVERIFY(!w.find<QWidget>("listImage")->isVisible());
        QCOMPARE(w.find<QProgressBar>("progBar")->value(), 100);
        QVERIFY(!w.window->context().busy.isBusy());
        QVERIFY(w.dialogs.unexpected.isEmpty());

        // Cancel at the question copies nothing; Yes runs the other update.
        w.dialogs.queueAnswer(MessageAnswer::Cancel);
        w.find<QPushButton>("cmdUpdate_1")->click();
        QCOMPARE(w.log(), log);
        w.dialogs.queueAnswer(MessageAnswer::Yes);
        w.find<QPushButton>("cmdUpdate_1")->click();
        QCOMPARE(w.find<QLabel>("lblCopy")->text(), u"Update WinKFP ready [3 folders updated]"_qs);
        QVERIFY(w.find<QPushButton>("cmdUpdate_0")->isEnabled());
        QVERIFY(w.find<QPushButton>("cmdUpdate_1")->isEnabled());
    }

    // While a run copies, the window takes events: the update buttons are off, the guide
    // refuses, the window does not close, and choosing a data set still works.
    void windowStaysLiveDuringARun()
    {
        Window w;
        for (int i = 0; i < 3000; ++i)
            QVERIFY(TreeFiles::build(w.tools.root(), {{u"SP-E60/ECU/F%1.PRG"_qs.arg(i), QByteArray(2000, 'x')}}));
        w.chooseDataSet(w.tools.at(u"SP-E60"_qs));
        bool seen = false;
        QTimer::singleShot(0, [&] {
            seen = true;
            QVERIFY(!w.find<QPushButton>("cmdUpdate_0")->isEnabled());
            QVERIFY(!w.find<QPushButton>("cmdUpdate_1")->isEnabled());
            QVERIFY(w.window->context().busy.isBusy());
            QVERIFY(w.find<QListView>("listCopy")->model()->rowCount() > 0);
            w.find<QPushButton>("cmdShow")->click();
            QCOMPARE(w.find<QPushButton>("cmdShow")->text(), u"Show WinKFP"_qs);
            QVERIFY(!w.window->close());
            w.chooseDataSet(w.tools.at(u"SP-E60"_qs));
        });
        w.dialogs.queueAnswer(MessageAnswer::No);
        w.find<QPushButton>("cmdUpdate_0")->click();
        QVERIFY(seen);
        QCOMPARE(w.find<QLabel>("lblCopy")->text(), u"Update SP-daten ready [3009 files updated]"_qs);
        QCOMPARE(w.log().last(), u"UPDATE READY"_qs);
        QVERIFY(w.window->isVisible());
    }

    void guideToggles()
    {
        Window w;
        auto* show = w.find<QPushButton>("cmdShow");
        show->click();
        QCOMPARE(show->text(), u"Show picture"_qs);
        QCOMPARE(w.log().size(), 17);
        QCOMPARE(w.log().at(16), u"--> Prog ZB-Update"_qs);
        QVERIFY(w.find<QListView>("listCopy")->isVisible());
        QVERIFY(!w.find<QWidget>("listImage")->isVisible());
        show->click();
        QCOMPARE(show->text(), u"Show WinKFP"_qs);
        QVERIFY(!w.find<QListView>("listCopy")->isVisible());
        QVERIFY(w.find<QWidget>("listImage")->isVisible());
        show->click();
        QCOMPARE(w.log().size(), 17);
    }
};

QTEST_MAIN(TestInstallPanel)
#include "test_install_panel.moc"

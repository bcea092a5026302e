#include "install_fixture.h"
#include "support/window_fixture.h"
#include "tree_snapshot.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QListView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

// The real main window on the tool folders of an install fixture, its data set chosen.
struct Window : WindowFixture {
    InstallFixture tools;
    Window()
    {
        static_cast<void>(settings.setValue(SettingsStore::FolderNCS, tools.folders.FolderNCS));
        static_cast<void>(settings.setValue(SettingsStore::FolderEDIABAS, tools.folders.FolderEDIABAS));
        static_cast<void>(settings.setValue(SettingsStore::FolderNFS, tools.folders.FolderNFS));
        open();
        dialogs.queueFolder(tools.at(InstallFixture::DataSet));
        click(u"cmdFolder"_qs);
    }
    QString caption() const { return find<QLabel>(u"lblCopy"_qs)->text(); }
    QAbstractItemModel* model() const { return find<QListView>(u"listCopy"_qs)->model(); }
    QStringList log() const
    {
        QStringList lines;
        for (int row = 0; row < model()->rowCount(); ++row)
            lines.append(model()->index(row, 0).data().toString());
        return lines;
    }
};

// The tool folders outside NFS\DATA, which Update WinKFP changes.
TreeSnapshot outsideData(const QString& root)
{
    TreeSnapshot all = TreeFiles::snapshot(root);
    all.removeIf([](TreeSnapshot::iterator it) { return it.key().startsWith(u"NFS/DATA"_qs); });
    return all;
}

} // namespace

class TestInstallPanel : public QObject {
    Q_OBJECT
private slots:
    // While a run copies, the window takes events: the update buttons are off, the guide
    // refuses, the window does not close, and choosing a data set still works.
    void windowStaysLiveDuringARun()
    {
        Window w;
        // Enough files that the run outlasts the window's event interval even in memory.
        for (int i = 0; i < 3000; ++i)
            QVERIFY(TreeFiles::build(w.tools.at(InstallFixture::DataSet),
                                     {{u"ECU/F%1.PRG"_qs.arg(i), QByteArray(2000, 'x')}}));
        bool seen = false;
        QTimer::singleShot(0, w.window.get(), [&] {
            seen = true;
            QVERIFY(!w.find<QPushButton>(u"cmdUpdate_0"_qs)->isEnabled());
            QVERIFY(!w.find<QPushButton>(u"cmdUpdate_1"_qs)->isEnabled());
            QVERIFY(w.window->busy().isBusy());
            QVERIFY(w.model()->rowCount() > 0);
            w.click(u"cmdShow"_qs);
            QVERIFY(!w.window->close());
            w.dialogs.queueFolder(w.tools.at(InstallFixture::DataSet));
            w.click(u"cmdFolder"_qs);
        });
        w.dialogs.queueAnswer(MessageAnswer::No);
        w.click(u"cmdUpdate_0"_qs);
        QVERIFY(seen);
        QCOMPARE(w.caption(), u"Update SP-daten ready [3017 files updated]"_qs);
        QCOMPARE(w.log().last(), u"UPDATE READY"_qs);
        QVERIFY(w.window->isVisible());
    }

    // Both updates with backups fill the frame and can be undone from the Settings menu;
    // the one whose file was edited afterwards is refused, naming the file, and the other
    // goes back.
    void updateThenRestore()
    {
        Window w;
        QAbstractItemModelTester tester(w.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        const TreeSnapshot before = outsideData(w.tools.root());
        w.dialogs.queueAnswer(MessageAnswer::Yes);
        w.click(u"cmdUpdate_0"_qs);
        QCOMPARE(w.caption(), u"Update SP-daten ready [17 files updated]"_qs);
        const QStringList log = w.log();
        QCOMPARE(log.first(), w.tools.at(u"EDIABAS/ECU"_qs));
        QCOMPARE(log.mid(log.size() - 2), (QStringList{QString(), u"UPDATE READY"_qs}));
        QCOMPARE(w.find<QListView>(u"listCopy"_qs)->currentIndex().row(), log.size() - 1); // kept in view
        w.dialogs.queueAnswer(MessageAnswer::Yes);
        w.click(u"cmdUpdate_1"_qs);
        QCOMPARE(w.caption(), u"Update WinKFP ready [3 folders updated]"_qs);
        w.click(u"cmdShow"_qs); // the guide replaces the log
        QCOMPARE(w.log().size(), 17);
        const QString sgidc = w.tools.at(u"NFS/DATA/GDATEN/SGIDC.AS2"_qs);
        QVERIFY(TestFiles::write(sgidc, "edited\r\n"));
        QString checked; // what the window's check said of the installation chosen
        const auto restore = [&](const QString& installation) {
            ModalAnswer answer([&](QDialog* window) {
                auto* list = child<QTreeWidget>(window, "listRestore");
                auto* cmdRestore = child<QPushButton>(window, "cmdRestore");
                for (int row = 0; row < list->topLevelItemCount(); ++row)
                    if (list->topLevelItem(row)->text(0) == installation)
                        list->setCurrentItem(list->topLevelItem(row));
                QTRY_VERIFY(cmdRestore->isEnabled());
                checked = list->currentItem()->text(5);
                cmdRestore->click();
            });
            w.action(u"sSettingsRestore"_qs)->trigger();
        };
        // Cancelling the window's check leaves everything as it was.
        const TreeSnapshot installed = TreeFiles::snapshot(w.tools.root());
        ModalAnswer cancel([](QDialog* window) { child<QPushButton>(window, "cmdCancelCheck")->click(); });
        w.action(u"sSettingsRestore"_qs)->trigger();
        QVERIFY(cancel.opened);
        QCOMPARE(TreeFiles::snapshot(w.tools.root()), installed);
        const QString edited = sgidc + u": changed since the installation"_qs;
        restore(u"Update WinKFP"_qs);
        QCOMPARE(checked, u"no: "_qs + edited);
        QCOMPARE(w.dialogs.texts().last(), u"This installation cannot be restored:\r\n"_qs + edited);
        w.dialogs.queueAnswer(MessageAnswer::Yes);
        restore(u"Update SP-daten"_qs);
        QCOMPARE(checked, u"yes"_qs);
        QCOMPARE(w.log().last(), u"RESTORE READY"_qs);
        QCOMPARE(outsideData(w.tools.root()), before);
        QVERIFY(w.dialogs.allAnswersUsed());
    }
};

QTEST_MAIN(TestInstallPanel)
#include "test_install_panel.moc"

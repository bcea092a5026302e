#include "common/window_layout.h"
#include "settings/settings_store.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "trace/trace_loader.h"
#include "ui/main_window.h"
#include "ui/trace_tree_view.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A complete tool installation in a temporary folder, and the services around a window.
struct Fixture {
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    ScriptedDialogs dialogs;
    FixedClock clock;

    QString ncs() const { return dir.filePath(QStringLiteral("NCSEXPER")); }

    Fixture()
    {
        TestFiles::makeDirs(ncs(), {u"DATEN"_qs, u"SGDAT"_qs, u"WORK"_qs});
        settings.setValue(SettingsStore::FolderNCS, ncs());
    }

    std::unique_ptr<MainWindow> window()
    {
        return std::make_unique<MainWindow>(
            MainWindowServices{settings, dialogs, clock, dir.filePath(QStringLiteral("program")), dir.path()});
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheInstructions()
    {
        Fixture f;
        auto w = f.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto* list = w->findChild<QListView*>(QStringLiteral("listItems"));
        QCOMPARE(list->model()->rowCount(), 20);
        QCOMPARE(list->model()->index(0, 0).data().toString(), u"Start NCS Expert"_qs);
        QCOMPARE(list->model()->index(19, 0).data().toString(), u"Choose in here Load TRC-file"_qs);
        QVERIFY(list->isVisible());
        QVERIFY(!w->findChild<TraceTreeView*>(QStringLiteral("TreeTRC"))->isVisible());
        QCOMPARE(w->windowTitle(), u"Quillon"_qs);
        QCOMPARE(w->findChild<QGroupBox*>(QStringLiteral("Frame3"))->title(), u"Default folder setttings"_qs);
    }

    void loadButtonShowsTheTree()
    {
        Fixture f;
        QVERIFY(TestFiles::write(defaultTracePath(f.ncs()), "A\r\n\taktiv\r\nB\r\n\twert\r\n"));
        auto w = f.window();
        w->show();
        w->findChild<QPushButton*>(QStringLiteral("cmdLoad"))->click();
        auto* tree = w->findChild<TraceTreeView*>(QStringLiteral("TreeTRC"));
        QVERIFY(tree->isVisible());
        QVERIFY(!w->findChild<QListView*>(QStringLiteral("listItems"))->isVisible());
        QCOMPARE(tree->model()->rowCount(), 2);
        QVERIFY(tree->isExpanded(tree->model()->index(0, 0)));
        QVERIFY(w->session().DefaultTraceLoaded);
        QVERIFY(f.dialogs.messages.isEmpty());

        // A collapse is undone at once.
        tree->collapse(tree->model()->index(1, 0));
        QVERIFY(tree->isExpanded(tree->model()->index(1, 0)));
    }

    void loadButtonDoesNothingWhileBusy()
    {
        Fixture f;
        QVERIFY(TestFiles::write(defaultTracePath(f.ncs()), "A\r\n\t1\r\n"));
        auto w = f.window();
        w->context().busy.setBusy(true);
        w->cmdLoad_Click();
        w->context().busy.setBusy(false);
        QCOMPARE(w->session().tree().count(), 0);
    }

    void closingAsksToEmptyAFilledManFile_data()
    {
        QTest::addColumn<QByteArray>("man"); // "missing" for no file
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("missing") << QByteArray("missing") << int(MessageAnswer::Yes) << false << QByteArray("missing");
        QTest::newRow("empty") << QByteArray() << int(MessageAnswer::Yes) << false << QByteArray();
        QTest::newRow("filled, yes") << QByteArray("A\r\n\t1\r\n") << int(MessageAnswer::Yes) << true << QByteArray();
        QTest::newRow("filled, no") << QByteArray("A\r\n\t1\r\n") << int(MessageAnswer::No) << true
                                    << QByteArray("A\r\n\t1\r\n");
    }

    void closingAsksToEmptyAFilledManFile()
    {
        QFETCH(QByteArray, man);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(QByteArray, after);
        Fixture f;
        const QString path = manipulationFilePath(f.ncs());
        if (man != "missing")
            QVERIFY(TestFiles::write(path, man));
        f.dialogs.queueAnswer(MessageAnswer(answer));
        auto w = f.window();
        w->show();
        w->close();
        QCOMPARE(f.dialogs.texts().contains(u"Do you want to empty the MAN-file?"_qs), asked);
        if (after == "missing") {
            QVERIFY(!QFileInfo::exists(path)); // never created
        } else {
            QVERIFY(QFileInfo::exists(path)); // emptied, never deleted
            QCOMPARE(TestFiles::read(path), after);
        }
    }

    void positionAndPictureAreStoredAtClose()
    {
        Fixture f;
        f.settings.setValue(SettingsStore::PictureDefault, QStringLiteral("99"));
        auto w = f.window();
        QCOMPARE(w->PictureDefault, 6); // more than the pictures there are
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->close();
        QCOMPARE(f.settings.value(SettingsStore::PictureDefault, QString()), u"6"_qs);
        const QStringList parts = f.settings.value(SettingsStore::StartUpPosition, QString()).split(u',');
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts[2].toDouble(), w->width() * 15.0);
    }

    void storedSizeIsRestored()
    {
        Fixture f;
        f.settings.setValue(SettingsStore::StartUpPosition, QStringLiteral("0,0,15000,9000"));
        auto w = f.window();
        QCOMPARE(w->size(), QSize(1000, 600));
    }

    void controlsScaleWithTheWindow()
    {
        Fixture f;
        auto w = f.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto* frame1 = w->findChild<QWidget*>(QStringLiteral("Frame1"));
        auto* combo = w->findChild<QWidget*>(QStringLiteral("cmbChassis"));
        auto* show = w->findChild<QWidget*>(QStringLiteral("cmdShow"));
        auto* logo = w->findChild<QWidget*>(QStringLiteral("lblLogo_1"));
        const QSize comboSize = combo->size();
        const QSize logoSize = logo->size();
        auto* client = w->centralWidget();

        client->resize(888 * 2, 529 * 2);
        QTRY_COMPARE(frame1->width(), 433 * 2);
        QCOMPARE(combo->height(), comboSize.height());
        QCOMPARE(logo->size(), logoSize);
        QCOMPARE(logo->x() + logo->width(), show->x() + show->width() - 8);

        client->resize(300, 200); // below three quarters: controls stop shrinking
        QTRY_COMPARE(frame1->width(), qRound(433 * 0.75));

        // The narrow layout lets the "NCS coding" frame fill the width.
        w->LayoutWidth = WindowLayout::kNcsOnlyWidth;
        client->resize(888, 529);
        QTRY_COMPARE(frame1->width(), qRound(433 * 888.0 / 448.0));
    }

    void defaultFolderButtonsCheckTheLayout()
    {
        Fixture f;
        auto w = f.window();
        QTemporaryDir other;
        QVERIFY(TestFiles::makeDirs(other.path(), {u"ECU"_qs}));
        f.dialogs.queueFolder(other.path());
        w->findChild<QPushButton*>(QStringLiteral("cmdPath_2"))->click();
        QCOMPARE(w->folders().FolderEDIABAS, other.path());
        QCOMPARE(f.dialogs.folderTitles, QStringList{u"Select default EDIABAS folder"_qs});
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"

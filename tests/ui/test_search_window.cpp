#include "settings/settings_store.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "trace/trace_loader.h"
#include "ui/frm_search.h"
#include "ui/main_window.h"
#include "ui/trace_tree_view.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Node numbers: 1 ABC_ONE (2 aktiv), 3 XABC (4 wert), 5 EMPTY_ABC (no values),
// 6 ABC_TWO (7 aktiv).
const QStringList kTrace = {u"ABC_ONE"_qs, u"\taktiv"_qs, u"XABC"_qs, u"\twert"_qs,
                            u"EMPTY_ABC"_qs, u"ABC_TWO"_qs, u"\taktiv"_qs};

struct Fixture {
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    ScriptedDialogs dialogs;
    FixedClock clock;
    std::unique_ptr<MainWindow> window;

    QString ncs() const { return dir.filePath(QStringLiteral("NCSEXPER")); }

    explicit Fixture(bool withTrace = true)
    {
        TestFiles::makeDirs(ncs(), {u"DATEN"_qs, u"SGDAT"_qs, u"WORK"_qs});
        settings.setValue(SettingsStore::FolderNCS, ncs());
        if (withTrace)
            TestFiles::write(defaultTracePath(ncs()), TestFiles::crlf(kTrace));
        window = std::make_unique<MainWindow>(
            MainWindowServices{settings, dialogs, clock, dir.filePath(QStringLiteral("program")), dir.path()});
        window->show();
        if (withTrace)
            find<QPushButton>(u"cmdLoad"_qs)->click();
    }

    template <typename T>
    T* find(const QString& name) const
    {
        return window->findChild<T*>(name);
    }
    FrmSearch* search() const { return find<FrmSearch>(u"frmSearch"_qs); }
    QString searchTag() const { return find<QPushButton>(u"cmdSearch"_qs)->property("tag").toString(); }

    FrmSearch* open()
    {
        find<QPushButton>(u"cmdSearch"_qs)->click();
        return search();
    }
    template <typename T>
    T* searchControl(const QString& name) const
    {
        return search()->findChild<T*>(name);
    }
    void type(const QString& text) { searchControl<QLineEdit>(u"txtSearch"_qs)->setText(text); }
    void next() { searchControl<QPushButton>(u"cmdNext_1"_qs)->click(); }
    TraceTree& tree() { return window->session().tree(); }
    int current() const { return find<TraceTreeView>(u"TreeTRC"_qs)->currentNode(); }
};

} // namespace

class TestSearchWindow : public QObject {
    Q_OBJECT
private slots:
    void needsALoadedTrace()
    {
        Fixture f(false);
        f.find<QPushButton>(u"cmdSearch"_qs)->click();
        QCOMPARE(f.dialogs.texts(), QStringList{u"Load TRC-file first."_qs});
        QCOMPARE(f.dialogs.messages.first().icon, MessageIcon::Exclamation);
        QVERIFY(!f.search());
        QVERIFY(f.searchTag().isEmpty());
    }

    void searchNextNeedsText()
    {
        Fixture f;
        FrmSearch* search = f.open();
        QVERIFY(search->isVisible());
        QCOMPARE(f.searchTag(), u"show"_qs);
        auto* searchNext = f.searchControl<QPushButton>(u"cmdNext_1"_qs);
        QVERIFY(!searchNext->isEnabled());
        f.type(u"a"_qs);
        QVERIFY(searchNext->isEnabled());
        f.type(QString());
        QVERIFY(!searchNext->isEnabled());
    }

    void placedOnceBesideTheTree()
    {
        Fixture f;
        FrmSearch* search = f.open();
        const QRect main = f.window->frameGeometry();
        const int treeTop = f.find<TraceTreeView>(u"TreeTRC"_qs)->y();
        QTRY_COMPARE(search->pos(), QPoint(main.left() + main.width() / 2, main.top() + treeTop));
        // A second click only brings the open window up.
        search->move(search->pos() + QPoint(30, 40));
        const QPoint moved = search->pos();
        QCOMPARE(f.open(), search);
        QCOMPARE(search->pos(), moved);
    }

    void searchesThroughTheWindow()
    {
        Fixture f;
        f.open();
        f.type(u"abc"_qs);
        f.next();
        QCOMPARE(f.current(), 1);
        QCOMPARE(f.tree().background(1), NodeBackground::Yellow);
        f.next();
        QCOMPARE(f.current(), 6);
        QCOMPARE(f.tree().background(1), NodeBackground::Normal);
        f.next();
        QCOMPARE(f.search()->windowTitle(), u"Search - not found abc"_qs);
        QCOMPARE(f.current(), 6);
        QCOMPARE(f.tree().background(6), NodeBackground::Yellow);
        f.searchControl<QRadioButton>(u"optUpDown_0"_qs)->click();
        f.next();
        QCOMPARE(f.search()->windowTitle(), u"Search"_qs);
        QCOMPARE(f.current(), 1);

        // A new text searches from the top and puts the direction back to "down".
        f.type(u"x"_qs);
        f.next();
        QCOMPARE(f.current(), 3);
        QVERIFY(f.searchControl<QRadioButton>(u"optUpDown_1"_qs)->isChecked());

        // Another match mode starts over: "any part" then finds ABC_ONE, not ABC_TWO.
        f.type(u"abc"_qs);
        f.next();
        QCOMPARE(f.current(), 1);
        f.searchControl<QRadioButton>(u"optSearch_1"_qs)->click();
        f.next();
        QCOMPARE(f.current(), 1);
        f.next();
        QCOMPARE(f.current(), 3);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void searchNextFromTheMenu_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("window closed") << false << QString() << 0;
        QTest::newRow("empty text") << true << QString() << 0;
        QTest::newRow("with text") << true << u"abc_two"_qs << 6;
    }

    void searchNextFromTheMenu()
    {
        QFETCH(bool, open);
        QFETCH(QString, text);
        QFETCH(int, expected);
        Fixture f;
        if (open) {
            f.open();
            f.type(text);
        }
        f.find<QAction>(u"sEdit_2"_qs)->trigger();
        int yellow = 0;
        for (int i = 1; i <= f.tree().count(); ++i)
            if (f.tree().background(i) == NodeBackground::Yellow)
                yellow = i;
        QCOMPARE(yellow, expected);
        QCOMPARE(bool(f.search()), open);
    }

    void editMenuOpensTheWindow()
    {
        Fixture f;
        f.find<QAction>(u"sEdit_1"_qs)->trigger();
        QVERIFY(f.search());
        QCOMPARE(f.searchTag(), u"show"_qs);
    }

    void closingRestoresTheTree_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << u"cancel"_qs;
        QTest::newRow("Esc") << u"escape"_qs;
        QTest::newRow("close box") << u"close"_qs;
        QTest::newRow("main window asks") << u"hook"_qs;
    }

    void closingRestoresTheTree()
    {
        QFETCH(QString, how);
        Fixture f;
        FrmSearch* search = f.open();
        f.type(u"xabc"_qs);
        f.next();
        QCOMPARE(f.tree().background(3), NodeBackground::Yellow);
        if (how == u"cancel")
            f.searchControl<QPushButton>(u"cmdNext_0"_qs)->click();
        else if (how == u"escape")
            QTest::keyClick(f.searchControl<QLineEdit>(u"txtSearch"_qs), Qt::Key_Escape);
        else if (how == u"close")
            search->close();
        else
            f.window->context().closeSearchWindow();
        QCOMPARE(f.tree().background(3), NodeBackground::Normal);
        QVERIFY(f.searchTag().isEmpty());
        QTRY_VERIFY(!f.search());

        // The next opening starts afresh.
        FrmSearch* again = f.open();
        QVERIFY(again->search().FoundIndex() == 0);
        QVERIFY(f.searchControl<QLineEdit>(u"txtSearch"_qs)->text().isEmpty());
    }

    void hidesWhileAnotherApplicationIsActive()
    {
        Fixture f;
        FrmSearch* search = f.open();
        emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        QVERIFY(!search->isVisible());
        QVERIFY(search->hiddenWhileInactive());
        emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
        QVERIFY(search->isVisible());
        QVERIFY(!search->hiddenWhileInactive());
        // Closed while hidden: closed for good, not shown again.
        emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        f.window->context().closeSearchWindow();
        QVERIFY(f.searchTag().isEmpty());
        emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
        QTRY_VERIFY(!f.search());
    }

    void valueChangedWhileTheWindowIsOpen()
    {
        Fixture f;
        FrmSearch* search = f.open();
        auto* tree = f.find<TraceTreeView>(u"TreeTRC"_qs);
        const QRect valueRow = tree->visualRect(tree->model()->index(0, 0, tree->model()->index(0, 0)));
        QVERIFY(valueRow.isValid());
        QString modalName;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            modalName = modal->objectName();
            modal->findChild<QLineEdit*>(u"txtChange"_qs)->setText(u"nicht_aktiv"_qs);
            modal->findChild<QPushButton*>(u"cmdOK_1"_qs)->click();
        });
        QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, valueRow.center());
        QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, valueRow.center());
        QCOMPARE(modalName, u"frmChange"_qs);
        QCOMPARE(f.tree().text(2), u"nicht_aktiv"_qs);
        QVERIFY(f.tree().bold(1));
        QCOMPARE(f.search(), search);
        QVERIFY(search->isVisible());
        QVERIFY(!search->focusOnActivate());
    }

    void changeWindowGoesThroughTheOpenSearchWindow()
    {
        Fixture f;
        QDialog closed;
        QVERIFY(!f.window->context().showChangeWindowViaSearch(&closed));

        FrmSearch* search = f.open();
        QVERIFY(search->focusOnActivate());
        QDialog change(f.window.get());
        bool shownModal = false;
        QTimer::singleShot(0, &change, [&] {
            shownModal = change.isVisible() && change.isModal();
            change.accept();
        });
        QVERIFY(f.window->context().showChangeWindowViaSearch(&change));
        QVERIFY(shownModal);
        QCOMPARE(change.result(), int(QDialog::Accepted));
        QVERIFY(!search->focusOnActivate());
        QVERIFY(search->isVisible());
    }
};

QTEST_MAIN(TestSearchWindow)
#include "test_search_window.moc"

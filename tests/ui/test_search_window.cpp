#include "support/window_fixture.h"
#include "ui/frm_search.h"
#include "ui/trace_tree_view.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

// Node numbers: 1 ABC_ONE (2 aktiv), 3 XABC (4 wert), 5 EMPTY_ABC (no values),
// 6 ABC_TWO (7 aktiv).
const QStringList kTrace = {u"ABC_ONE"_qs, u"\taktiv"_qs, u"XABC"_qs, u"\twert"_qs,
                            u"EMPTY_ABC"_qs, u"ABC_TWO"_qs, u"\taktiv"_qs};

struct Fixture : WindowFixture {
    explicit Fixture(bool withTrace = true)
        : WindowFixture(TestFiles::crlf(kTrace))
    {
        open();
        if (withTrace)
            load();
    }
    FrmSearch* search() const { return window->findChild<FrmSearch*>(u"frmSearch"_qs); }
    QString searchTag() const { return find<QPushButton>(u"cmdSearch"_qs)->property("tag").toString(); }
    FrmSearch* openSearch()
    {
        click(u"cmdSearch"_qs);
        return search();
    }
    template <typename T>
    T* searchControl(const QString& name) const
    {
        return search()->findChild<T*>(name);
    }
    void type(const QString& text) { searchControl<QLineEdit>(u"txtSearch"_qs)->setText(text); }
    void next() { searchControl<QPushButton>(u"cmdNext_1"_qs)->click(); }
    int current() const { return find<TraceTreeView>(u"TreeTRC"_qs)->currentNode(); }
    int yellow() const
    {
        for (int i = 1; i <= tree().count(); ++i)
            if (tree().background(i) == NodeBackground::Yellow)
                return i;
        return 0;
    }
};

} // namespace

class TestSearchWindow : public QObject {
    Q_OBJECT
private slots:
    void opensOnlyWithATree_data()
    {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("button, no tree") << false << false;
        QTest::newRow("menu, no tree") << false << true;
        QTest::newRow("button") << true << false;
        QTest::newRow("menu") << true << true;
    }

    void opensOnlyWithATree()
    {
        QFETCH(bool, loaded);
        QFETCH(bool, fromMenu);
        Fixture f(loaded);
        if (fromMenu)
            f.action(u"sEdit_1"_qs)->trigger();
        else
            f.click(u"cmdSearch"_qs);
        QCOMPARE(bool(f.search()), loaded);
        QCOMPARE(f.searchTag(), loaded ? u"show"_qs : QString());
        QCOMPARE(f.dialogs.texts(), loaded ? QStringList() : QStringList{u"Load TRC-file first."_qs});
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
            f.openSearch();
            f.type(text);
        }
        f.action(u"sEdit_2"_qs)->trigger();
        QCOMPARE(f.yellow(), expected);
        QCOMPARE(bool(f.search()), open);
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
        FrmSearch* search = f.openSearch();
        f.type(u"xabc"_qs);
        f.next();
        QCOMPARE(f.yellow(), 3);
        if (how == u"cancel")
            f.searchControl<QPushButton>(u"cmdNext_0"_qs)->click();
        else if (how == u"escape")
            QTest::keyClick(f.searchControl<QLineEdit>(u"txtSearch"_qs), Qt::Key_Escape);
        else if (how == u"close")
            search->close();
        else
            f.window->context().closeSearchWindow();
        QCOMPARE(f.yellow(), 0);
        QVERIFY(f.searchTag().isEmpty());
        QTRY_VERIFY(!f.search());
        // The next opening starts afresh.
        f.openSearch();
        QVERIFY(f.searchControl<QLineEdit>(u"txtSearch"_qs)->text().isEmpty());
    }

    // A click on a value while the search window is open shows the change window through it,
    // and the search window stays open.
    void valueChangedWhileTheWindowIsOpen()
    {
        Fixture f;
        QDialog notShown; // with the search window closed the change window shows itself
        QVERIFY(!f.window->context().showChangeWindowViaSearch(&notShown));
        FrmSearch* search = f.openSearch();
        auto* view = f.find<TraceTreeView>(u"TreeTRC"_qs);
        const QRect valueRow = view->visualRect(view->model()->index(0, 0, view->model()->index(0, 0)));
        QVERIFY(valueRow.isValid());
        ModalAnswer modal([](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), u"frmChange"_qs);
            child<QLineEdit>(dialog, "txtChange")->setText(u"nicht_aktiv"_qs);
            child<QPushButton>(dialog, "cmdOK_1")->click();
        });
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, valueRow.center());
        QVERIFY(modal.opened);
        QCOMPARE(f.tree().text(2), u"nicht_aktiv"_qs);
        QCOMPARE(f.session().ChangeCount, 1);
        QCOMPARE(f.search(), search);
        QVERIFY(search->isVisible());
        QVERIFY(!search->focusOnActivate());
    }
};

QTEST_MAIN(TestSearchWindow)
#include "test_search_window.moc"

#include "support/data_table.h"
#include "support/window_fixture.h"
#include "tree_click.h"
#include "ui/frm_search.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

namespace {

// Nodes: 1 ABC_ONE (2 nicht_aktiv), 3 XABC (4 drei_mal), 5 EMPTY_ABC (no values),
// 6 ABC_TWO (7 aktiv).
const QByteArray kTrace = "ABC_ONE\r\n\tnicht_aktiv\r\nXABC\r\n\tdrei_mal\r\nEMPTY_ABC\r\nABC_TWO\r\n\taktiv\r\n";

struct Fixture : WindowFixture {
    explicit Fixture(bool loaded = true) : WindowFixture(kTrace)
    {
        open();
        if (loaded)
            load();
    }
    TraceTreeView* view() const { return find<TraceTreeView>(u"TreeTRC"_qs); }
    bool clickNode(int node) const { return ::clickNode(view(), tree(), node); }
    FrmSearch* search() const { return window->findChild<FrmSearch*>(u"frmSearch"_qs); }
    QString searchTag() const { return find<QPushButton>(u"cmdSearch"_qs)->property("tag").toString(); }
    QLineEdit* searchText() const { return search()->findChild<QLineEdit*>(u"txtSearch"_qs); }
    int yellow() const
    {
        for (int i = 1; i <= tree().count(); ++i)
            if (tree().background(i) == NodeBackground::Yellow)
                return i;
        return 0;
    }
};

// Answers one opening of the change window the way the user does.
void answer(QDialog* dialog, const QString& action)
{
    auto* txt = child<QLineEdit>(dialog, "txtChange");
    if (action == u"quick") {
        child<QCheckBox>(dialog, "chkValue")->click();
        child<QPushButton>(dialog, "cmdOK_1")->click();
    } else if (action.startsWith(u"type ")) {
        QTest::keyClicks(txt, action.mid(5));
        QTest::keyClick(txt, Qt::Key_Return);
    } else if (action == u"cancel") {
        child<QPushButton>(dialog, "cmdOK_0")->click();
    } else {
        txt->clear();
        child<QPushButton>(dialog, "cmdOK_1")->click();
    }
}

} // namespace

class TestTreePanels : public QObject {
    Q_OBJECT
private slots:
    void changeWindow_data()
    {
        addColumns<int, QString, QString>("node", "action", "text");
        QTest::newRow("quick change") << 2 << u"quick"_qs << u"aktiv"_qs;
        QTest::newRow("typed, Enter") << 4 << u"type vier_mal"_qs << u"vier_mal"_qs;
        QTest::newRow("Cancel") << 4 << u"cancel"_qs << u"drei_mal"_qs;
        QTest::newRow("empty OK") << 4 << u"empty"_qs << u"drei_mal"_qs;
    }
    void changeWindow()
    {
        QFETCH(int, node);
        QFETCH(QString, action);
        QFETCH(QString, text);
        Fixture f;
        const QString before = f.tree().text(node);
        ModalAnswer modal([&](QDialog* dialog) {
            QCOMPARE(child<QLineEdit>(dialog, "txtChange")->selectedText(), before);
            answer(dialog, action);
        });
        QVERIFY(f.clickNode(node));
        QVERIFY(modal.opened);
        QCOMPARE(f.view()->currentNode(), node);
        QCOMPARE(f.tree().text(node), text);
        const bool changed = text != before;
        QCOMPARE(f.tree().bold(f.tree().parentIndex(node)), changed);
        QCOMPARE(f.session().ChangeCount, changed ? 1 : 0);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void closingTheSearchRestoresTheTree_data()
    {
        QTest::addColumn<QString>("how");
        for (const char* how : {"Cancel", "Esc", "close box", "a menu event"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }
    void closingTheSearchRestoresTheTree()
    {
        QFETCH(QString, how);
        Fixture f;
        f.click(u"cmdSearch"_qs);
        FrmSearch* search = f.search();
        f.action(u"sEdit_2"_qs)->trigger(); // "Search next" without a text finds nothing
        QCOMPARE(f.yellow(), 0);
        f.searchText()->setText(u"xabc"_qs);
        f.action(u"sEdit_2"_qs)->trigger();
        QCOMPARE(f.yellow(), 3);
        if (how == u"Cancel")
            search->findChild<QPushButton*>(u"cmdNext_0"_qs)->click();
        else if (how == u"Esc")
            QTest::keyClick(f.searchText(), Qt::Key_Escape);
        else if (how == u"close box")
            search->close();
        else
            f.action(u"sSettings_5"_qs)->trigger(); // "Show default folders" closes it first
        QCOMPARE(f.yellow(), 0);
        QVERIFY(f.searchTag().isEmpty());
        QTRY_VERIFY(!f.search());
        f.click(u"cmdSearch"_qs); // the next opening starts afresh
        QVERIFY(f.searchText()->text().isEmpty());
    }

    // The search window opens only with a tree and hides while another application is
    // active. Open, it shows the change window for a click on a value and stays open;
    // closed, the change window shows itself.
    void searchWindowBesideTheTree()
    {
        Fixture f(false);
        f.click(u"cmdSearch"_qs);
        QCOMPARE(f.dialogs.texts(), QStringList{u"Load TRC-file first."_qs});
        QVERIFY(!f.search() && f.searchTag().isEmpty());
        f.load();
        f.action(u"sEdit_1"_qs)->trigger();
        FrmSearch* search = f.search();
        QVERIFY(search && search->isVisible());
        QCOMPARE(f.searchTag(), u"show"_qs);
        emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        QVERIFY(!search->isVisible());
        emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
        QVERIFY(search->isVisible());

        ModalAnswer modal([](QDialog* dialog) { answer(dialog, u"type x"_qs); });
        QVERIFY(f.clickNode(7));
        QVERIFY(modal.opened);
        QCOMPARE(f.tree().text(7), u"x"_qs);
        QCOMPARE(f.search(), search);
        QVERIFY(search->isVisible() && !search->focusOnActivate());
    }
};

QTEST_MAIN(TestTreePanels)
#include "test_tree_panels.moc"

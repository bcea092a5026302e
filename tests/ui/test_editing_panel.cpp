#include "support/window_fixture.h"
#include "ui/trace_tree_view.h"

#include <QAbstractProxyModel>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// Nodes: 1 TAGFAHRLICHT, 2 nicht_aktiv, 3 KOMFORTBLINKEN_ANZAHL, 4 drei_mal, 5 OHNE (no values).
const QByteArray kTrace = "TAGFAHRLICHT\r\n\tnicht_aktiv\r\nKOMFORTBLINKEN_ANZAHL\r\n\tdrei_mal\r\nOHNE\r\n";

struct Fixture : WindowFixture {
    TraceTreeView* view = nullptr;
    Fixture()
        : WindowFixture(kTrace)
    {
        open();
        load();
        view = find<TraceTreeView>(u"TreeTRC"_qs);
    }
    void clickNode(int node)
    {
        const auto* proxy = static_cast<const QAbstractProxyModel*>(view->model());
        const QRect rect = view->visualRect(proxy->mapFromSource(tree().modelIndex(node)));
        QVERIFY(rect.isValid());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
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
    } else if (action == u"escape") {
        QTest::keyClick(txt, Qt::Key_Escape);
    } else {
        if (action == u"empty")
            txt->clear();
        child<QPushButton>(dialog, "cmdOK_1")->click();
    }
}

} // namespace

class TestEditingPanel : public QObject {
    Q_OBJECT
private slots:
    void changeWindow_data()
    {
        QTest::addColumn<int>("node");
        QTest::addColumn<QStringList>("actions"); // one per opening of the change window
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("changeCount");
        QTest::newRow("quick change") << 2 << QStringList{u"quick"_qs} << u"aktiv"_qs << 1;
        QTest::newRow("quick change and back") << 2 << QStringList{u"quick"_qs, u"quick"_qs} << u"nicht_aktiv"_qs << 0;
        QTest::newRow("typed, Enter") << 4 << QStringList{u"type vier_mal"_qs} << u"vier_mal"_qs << 1;
        QTest::newRow("typed and typed back")
            << 4 << QStringList{u"type vier_mal"_qs, u"type drei_mal"_qs} << u"drei_mal"_qs << 0;
        QTest::newRow("Cancel") << 2 << QStringList{u"cancel"_qs} << u"nicht_aktiv"_qs << 0;
        QTest::newRow("Escape") << 2 << QStringList{u"escape"_qs} << u"nicht_aktiv"_qs << 0;
        QTest::newRow("empty OK") << 2 << QStringList{u"empty"_qs} << u"nicht_aktiv"_qs << 0;
        QTest::newRow("unchanged OK") << 4 << QStringList{u"ok"_qs} << u"drei_mal"_qs << 0;
    }

    void changeWindow()
    {
        QFETCH(int, node);
        QFETCH(QStringList, actions);
        QFETCH(QString, text);
        QFETCH(int, changeCount);
        Fixture f;
        const int function = f.tree().parentIndex(node);
        for (const QString& action : actions) {
            const QString before = f.tree().text(node);
            ModalAnswer modal([&](QDialog* dialog) {
                QCOMPARE(dialog->objectName(), u"frmChange"_qs);
                QCOMPARE(child<QLabel>(dialog, "lblPar")->text(), f.tree().text(function));
                QCOMPARE(child<QLineEdit>(dialog, "txtChange")->selectedText(), before);
                answer(dialog, action);
            });
            f.clickNode(node);
            QVERIFY(modal.opened);
        }
        QCOMPARE(f.tree().text(node), text);
        QCOMPARE(f.tree().bold(function), changeCount > 0);
        QCOMPARE(f.session().ChangeCount, changeCount);
        QCOMPARE(f.tree().color(node), NodeColor::Normal);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void changeWindowRoutes_data()
    {
        QTest::addColumn<int>("route"); // 0 no search hook, 1 search shows it, 2 search closed
        QTest::newRow("no search window part") << 0;
        QTest::newRow("search window open") << 1;
        QTest::newRow("search window closed") << 2;
    }

    void changeWindowRoutes()
    {
        QFETCH(int, route);
        Fixture f;
        int calls = 0;
        if (route > 0)
            f.window->context().showChangeWindowViaSearch = [&](QDialog* dialog) {
                ++calls;
                if (route == 2)
                    return false;
                dialog->exec();
                return true;
            };
        ModalAnswer modal([](QDialog* dialog) {
            child<QLineEdit>(dialog, "txtChange")->setText(u"x"_qs);
            child<QPushButton>(dialog, "cmdOK_1")->click();
        });
        f.clickNode(2);
        QCOMPARE(f.tree().text(2), u"x"_qs);
        QCOMPARE(calls, route > 0 ? 1 : 0);
        QCOMPARE(f.session().ChangeCount, 1);
    }

    void clicksAndKeysThatNeverEdit_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("keys");
        QTest::newRow("function and red failure line") << QList<int>{1, 5, 4} << false;
        QTest::newRow("arrow keys through every node") << QList<int>{} << true;
    }

    void clicksAndKeysThatNeverEdit()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(bool, keys);
        Fixture f;
        f.tree().setColor(4, NodeColor::Red);
        ModalAnswer modal;
        for (int node : clicks)
            f.clickNode(node);
        if (keys) {
            f.view->setFocus();
            f.view->selectNode(1);
            for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_End,
                                Qt::Key_Home, Qt::Key_Down, Qt::Key_Space, Qt::Key_Return, Qt::Key_Left})
                QTest::keyClick(f.view, key);
            QCOMPARE(f.view->currentNode(), 2);
        }
        QTest::qWait(20); // it polls every 5 ms
        QVERIFY(!modal.opened);
        QCOMPARE(f.session().ChangeCount, 0);
        QCOMPARE(f.tree().text(2), u"nicht_aktiv"_qs);
    }

    void listedValuesAreChosenByClick()
    {
        Fixture f;
        // What "Show values" leaves: more values without the chosen mark.
        const int aktiv = f.tree().addChild(1, u"aktiv"_qs, NodeImage::None).value();
        f.session().ValuesShown = true;
        ModalAnswer modal;
        f.clickNode(aktiv);
        QCOMPARE(f.tree().image(aktiv), NodeImage::Chosen);
        QCOMPARE(f.tree().image(2), NodeImage::None);
        QCOMPARE(f.session().ChangeCount, 1);
        f.clickNode(2);
        QCOMPARE(f.tree().image(2), NodeImage::Chosen);
        QCOMPARE(f.session().ChangeCount, 0);
        QVERIFY(!modal.opened);
    }

    void translationButtonAndHook()
    {
        Fixture f;
        QVERIFY(TestFiles::write(f.program() + u"/Translations.csv"_qs,
                                 "tagfahrlicht,Daytime Lights\r\nNICHT_AKTIV,Off\r\naktiv,On\r\n"));
        f.click(u"cmdTranslate"_qs);
        QCOMPARE(f.tree().text(1), u"TAGFAHRLICHT  -  DAYTIME LIGHTS"_qs);
        QCOMPARE(f.tree().text(2), u"nicht_aktiv  -  off"_qs);
        // A changed value shows its own translation.
        ModalAnswer modal([](QDialog* dialog) { answer(dialog, u"quick"_qs); });
        f.clickNode(2);
        QCOMPARE(f.tree().text(2), u"aktiv  -  on"_qs);
        f.click(u"cmdTranslate"_qs);
        QCOMPARE(f.tree().text(2), u"aktiv"_qs);
        // The hook others call does what the button does, and a load keeps the translation on.
        f.window->context().toggleTranslation();
        f.load();
        QCOMPARE(f.tree().text(2), u"nicht_aktiv  -  off"_qs);
        QVERIFY(f.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestEditingPanel)
#include "test_editing_panel.moc"

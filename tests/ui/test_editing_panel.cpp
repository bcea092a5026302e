#include "settings/settings_store.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "trace/trace_loader.h"
#include "ui/frm_change.h"
#include "ui/main_window.h"
#include "ui/trace_tree_view.h"

#include <QAbstractItemModelTester>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Nodes: 1 TAGFAHRLICHT, 2 nicht_aktiv, 3 KOMFORTBLINKEN_ANZAHL, 4 drei_mal, 5 OHNE (no values).
const QByteArray kTrace = "TAGFAHRLICHT\r\n\tnicht_aktiv\r\nKOMFORTBLINKEN_ANZAHL\r\n\tdrei_mal\r\nOHNE\r\n";

struct Fixture {
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    ScriptedDialogs dialogs;
    FixedClock clock;
    std::unique_ptr<MainWindow> window;
    TraceTreeView* tree = nullptr;

    QString ncs() const { return dir.filePath(QStringLiteral("NCSEXPER")); }
    QString program() const { return dir.filePath(QStringLiteral("program")); }
    TraceSession& session() { return window->session(); }
    TraceTree& nodes() { return window->session().tree(); }
    template <typename T>
    T* find(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    Fixture()
    {
        TestFiles::makeDirs(ncs(), {u"DATEN"_qs, u"WORK"_qs});
        TestFiles::write(defaultTracePath(ncs()), kTrace);
        settings.setValue(SettingsStore::FolderNCS, ncs());
        window = std::make_unique<MainWindow>(
            MainWindowServices{settings, dialogs, clock, program(), dir.path()});
        window->show();
        tree = find<TraceTreeView>("TreeTRC");
    }
    void load() { find<QPushButton>("cmdLoad")->click(); }

    void clickNode(int node)
    {
        const auto* proxy = static_cast<const QAbstractProxyModel*>(tree->model());
        const QRect rect = tree->visualRect(proxy->mapFromSource(nodes().modelIndex(node)));
        QVERIFY(rect.isValid());
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

// Calls answer with the change window once it is shown modally.
void whenChangeWindowOpens(std::function<void(QDialog*)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        // A failed check inside answer returns early; the window must close all the same.
        const auto closeAnyway = qScopeGuard([dialog] {
            if (dialog->isVisible())
                dialog->reject();
        });
        answer(dialog);
    });
    timer->start();
}

// Records and closes every modal window that opens while it lives.
struct ModalWatch {
    QStringList opened;
    QTimer timer;
    ModalWatch()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened.append(dialog->objectName());
                dialog->reject();
            }
        });
        timer.start();
    }
};

template <typename T>
T* child(QDialog* dialog, const char* name)
{
    return dialog->findChild<T*>(QString::fromLatin1(name));
}

} // namespace

class TestEditingPanel : public QObject {
    Q_OBJECT
private slots:
    void designedWindow()
    {
        QString handBack = u"unchanged"_qs;
        FrmChange frm(handBack, u"TAGFAHRLICHT"_qs, u"aktiv"_qs, true);
        QCOMPARE(frm.objectName(), u"frmChange"_qs);
        QCOMPARE(frm.windowTitle(), u"Change value"_qs);
        QCOMPARE(frm.size(), QSize(369, 113));
        QCOMPARE(child<QLabel>(&frm, "lblPar")->geometry().topLeft(), QPoint(8, 16));
        QCOMPARE(child<QLabel>(&frm, "lblPar")->text(), u"TAGFAHRLICHT"_qs);
        QCOMPARE(child<QLineEdit>(&frm, "txtChange")->geometry(), QRect(8, 48, 353, 21));
        QCOMPARE(child<QCheckBox>(&frm, "chkValue")->geometry(), QRect(8, 80, 93, 13));
        QCOMPARE(child<QCheckBox>(&frm, "chkValue")->text(), u"quick change"_qs);
        QCOMPARE(child<QPushButton>(&frm, "cmdOK_1")->geometry(), QRect(128, 80, 113, 25));
        QCOMPARE(child<QPushButton>(&frm, "cmdOK_0")->geometry(), QRect(248, 80, 113, 25));
        QVERIFY(child<QPushButton>(&frm, "cmdOK_1")->isDefault());
        QCOMPARE(child<QPushButton>(&frm, "cmdOK_0")->text(), u"Cancel"_qs);

        QStringList chain;
        QWidget* w = child<QLineEdit>(&frm, "txtChange");
        for (int i = 0; i < 4; ++i, w = w->nextInFocusChain())
            chain.append(w->objectName());
        QCOMPARE(chain, (QStringList{u"txtChange"_qs, u"chkValue"_qs, u"cmdOK_1"_qs, u"cmdOK_0"_qs}));

        // Each click flips; any other text becomes "aktiv". Nothing is handed back without OK.
        auto* txt = child<QLineEdit>(&frm, "txtChange");
        auto* chk = child<QCheckBox>(&frm, "chkValue");
        QStringList seen;
        for (const QString& typed : {QString(), QString(), u"Aktiv"_qs}) {
            if (!typed.isNull())
                txt->setText(typed);
            chk->click();
            seen.append(txt->text());
        }
        QCOMPARE(seen, (QStringList{u"nicht_aktiv"_qs, u"aktiv"_qs, u"aktiv"_qs}));
        QCOMPARE(handBack, u"unchanged"_qs);
    }

    void changeWindow_data()
    {
        QTest::addColumn<int>("node");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("quickEnabled");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("changeCount");
        QTest::newRow("quick change") << 2 << u"quick"_qs << true << u"aktiv"_qs << u"nicht_aktiv"_qs << 1;
        QTest::newRow("typed over the selection, Enter")
            << 4 << u"type vier_mal"_qs << false << u"vier_mal"_qs << u"drei_mal"_qs << 1;
        QTest::newRow("Cancel") << 2 << u"cancel"_qs << true << u"nicht_aktiv"_qs << QString() << 0;
        QTest::newRow("Escape") << 2 << u"escape"_qs << true << u"nicht_aktiv"_qs << QString() << 0;
        QTest::newRow("close box") << 2 << u"close"_qs << true << u"nicht_aktiv"_qs << QString() << 0;
        QTest::newRow("empty OK") << 2 << u"empty"_qs << true << u"nicht_aktiv"_qs << QString() << 0;
        QTest::newRow("unchanged OK") << 4 << u"ok"_qs << false << u"drei_mal"_qs << QString() << 0;
    }

    void changeWindow()
    {
        QFETCH(int, node);
        QFETCH(QString, action);
        QFETCH(bool, quickEnabled);
        QFETCH(QString, text);
        QFETCH(QString, tag);
        QFETCH(int, changeCount);
        Fixture f;
        f.load();
        QAbstractItemModelTester tester(&f.nodes(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QRect main = f.window->frameGeometry();
        bool answered = false;
        whenChangeWindowOpens([&](QDialog* dialog) {
            answered = true;
            auto* txt = child<QLineEdit>(dialog, "txtChange");
            QCOMPARE(dialog->objectName(), u"frmChange"_qs);
            QCOMPARE(dialog->frameGeometry().topLeft(), QPoint(main.left() + main.width() / 2, main.top() + main.height() / 2));
            QCOMPARE(child<QLabel>(dialog, "lblPar")->text(), f.nodes().text(f.nodes().parentIndex(node)));
            QCOMPARE(txt->selectedText(), f.nodes().text(node));
            QCOMPARE(child<QCheckBox>(dialog, "chkValue")->isEnabled(), quickEnabled);
            QCOMPARE(f.nodes().color(node), NodeColor::Blue);
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
            } else if (action == u"close") {
                dialog->close();
            } else {
                if (action == u"empty")
                    txt->clear();
                child<QPushButton>(dialog, "cmdOK_1")->click();
            }
        });
        f.clickNode(node);
        QTRY_VERIFY(answered);
        QCOMPARE(f.nodes().text(node), text);
        QCOMPARE(f.nodes().tag(node), tag);
        QCOMPARE(f.nodes().bold(f.nodes().parentIndex(node)), changeCount > 0);
        QCOMPARE(f.session().ChangeCount, changeCount);
        QCOMPARE(f.nodes().color(node), NodeColor::Normal);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void changeWindowRoutes_data()
    {
        QTest::addColumn<int>("route"); // 0 no search hook, 1 search shows it, 2 search closed
        QTest::addColumn<int>("hookCalls");
        QTest::newRow("no search window part") << 0 << 0;
        QTest::newRow("search window open") << 1 << 1;
        QTest::newRow("search window closed") << 2 << 1;
    }

    void changeWindowRoutes()
    {
        QFETCH(int, route);
        QFETCH(int, hookCalls);
        Fixture f;
        f.load();
        int calls = 0;
        if (route > 0)
            f.window->context().showChangeWindowViaSearch = [&](QDialog* dialog) {
                ++calls;
                if (route == 2)
                    return false;
                dialog->exec();
                return true;
            };
        whenChangeWindowOpens([](QDialog* dialog) {
            child<QLineEdit>(dialog, "txtChange")->setText(u"x"_qs);
            child<QPushButton>(dialog, "cmdOK_1")->click();
        });
        f.clickNode(2);
        QCOMPARE(f.nodes().text(2), u"x"_qs);
        QCOMPARE(calls, hookCalls);
        QCOMPARE(f.session().ChangeCount, 1);
    }

    void clicksAndKeysThatNeverEdit_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("keys");
        // Function nodes and the other guards are covered in the core's own tests.
        QTest::newRow("function and red failure line") << QList<int>{1, 5, 4} << false;
        QTest::newRow("arrow keys through every node") << QList<int>{} << true;
    }

    void clicksAndKeysThatNeverEdit()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(bool, keys);
        Fixture f;
        f.load();
        f.nodes().setColor(4, NodeColor::Red);
        ModalWatch watch;
        for (int node : clicks)
            f.clickNode(node);
        if (keys) {
            f.tree->setFocus();
            f.tree->selectNode(1);
            for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_End,
                                Qt::Key_Home, Qt::Key_Down, Qt::Key_Space, Qt::Key_Return, Qt::Key_Left})
                QTest::keyClick(f.tree, key);
            QCOMPARE(f.tree->currentNode(), 2);
        }
        QTest::qWait(20); // the watch polls every 5 ms
        QCOMPARE(watch.opened, QStringList());
        QCOMPARE(f.session().ChangeCount, 0);
        QCOMPARE(f.nodes().text(2), u"nicht_aktiv"_qs);
        QCOMPARE(f.nodes().color(2), NodeColor::Normal);
    }

    void listedValuesAreChosenByClick()
    {
        Fixture f;
        f.load();
        // What "Show values" leaves: more values without the chosen mark.
        const int aktiv = f.nodes().addChild(1, u"aktiv"_qs, NodeImage::None).value();
        f.session().ValuesShown = true;
        ModalWatch watch;
        f.clickNode(aktiv);
        QCOMPARE(f.nodes().image(aktiv), NodeImage::Chosen);
        QCOMPARE(f.nodes().image(2), NodeImage::None);
        QCOMPARE(f.nodes().color(2), NodeColor::Blue);
        QVERIFY(f.nodes().bold(1));
        QCOMPARE(f.session().ChangeCount, 1);
        f.clickNode(2);
        QCOMPARE(f.nodes().image(2), NodeImage::Chosen);
        QCOMPARE(f.nodes().image(aktiv), NodeImage::None);
        QCOMPARE(f.nodes().color(2), NodeColor::Normal);
        QVERIFY(!f.nodes().bold(1));
        QCOMPARE(f.session().ChangeCount, 0);
        QCOMPARE(watch.opened, QStringList());
    }

    void translationButtonAndHook()
    {
        Fixture f;
        QVERIFY(TestFiles::write(f.program() + u"/Translations.csv"_qs,
                                 "tagfahrlicht,Daytime Lights\r\nNICHT_AKTIV,Off\r\naktiv,On\r\n"));
        auto* button = f.find<QPushButton>("cmdTranslate");
        button->click();
        QCOMPARE(f.dialogs.texts(), QStringList{u"Load TRC-file first."_qs});

        f.load();
        f.tree->selectNode(3);
        button->click();
        QCOMPARE(f.nodes().text(1), u"TAGFAHRLICHT  -  DAYTIME LIGHTS"_qs);
        QCOMPARE(f.nodes().text(2), u"nicht_aktiv  -  off"_qs);
        QCOMPARE(f.tree->currentNode(), 3);

        // A changed value shows its own translation.
        whenChangeWindowOpens([](QDialog* dialog) {
            QCOMPARE(child<QLineEdit>(dialog, "txtChange")->text(), u"nicht_aktiv"_qs);
            child<QCheckBox>(dialog, "chkValue")->click();
            child<QPushButton>(dialog, "cmdOK_1")->click();
        });
        f.clickNode(2);
        QCOMPARE(f.nodes().text(2), u"aktiv  -  on"_qs);
        QCOMPARE(f.nodes().tag(2), u"nicht_aktiv"_qs);

        button->click();
        QVERIFY(!f.session().Translated);
        QCOMPARE(f.nodes().text(1), u"TAGFAHRLICHT"_qs);
        QCOMPARE(f.nodes().text(2), u"aktiv"_qs);

        // The hook others call does what the button does, and a load keeps the translation on.
        f.window->context().toggleTranslation();
        QVERIFY(f.session().Translated);
        f.load();
        QVERIFY(f.session().Translated);
        QCOMPARE(f.nodes().text(2), u"nicht_aktiv  -  off"_qs);
        QCOMPARE(f.dialogs.texts().size(), 1);
    }
};

QTEST_MAIN(TestEditingPanel)
#include "test_editing_panel.moc"

#include "common/window_layout.h"
#include "support/window_fixture.h"
#include "ui/trace_tree_view.h"

#include <QListView>
#include <QTest>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheInstructions()
    {
        WindowFixture f;
        f.open();
        auto* list = f.find<QListView>(u"listItems"_qs);
        QCOMPARE(list->model()->rowCount(), 20);
        QCOMPARE(list->model()->index(0, 0).data().toString(), u"Start NCS Expert"_qs);
        QCOMPARE(list->model()->index(19, 0).data().toString(), u"Choose in here Load TRC-file"_qs);
        QVERIFY(list->isVisible());
        QVERIFY(!f.find<TraceTreeView>(u"TreeTRC"_qs)->isVisible());
    }

    void loadButtonShowsTheTree()
    {
        WindowFixture f("A\r\n\taktiv\r\nB\r\n\twert\r\n");
        f.open();
        f.load();
        auto* tree = f.find<TraceTreeView>(u"TreeTRC"_qs);
        QVERIFY(tree->isVisible());
        QVERIFY(!f.find<QListView>(u"listItems"_qs)->isVisible());
        QCOMPARE(tree->model()->rowCount(), 2);
        QVERIFY(tree->isExpanded(tree->model()->index(0, 0)));
        QVERIFY(f.session().DefaultTraceLoaded);
        QVERIFY(f.dialogs.messages.isEmpty());
        tree->collapse(tree->model()->index(1, 0)); // a collapse is undone at once
        QVERIFY(tree->isExpanded(tree->model()->index(1, 0)));
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
        WindowFixture f;
        const QString path = manipulationFilePath(f.ncs());
        if (man != "missing")
            QVERIFY(TestFiles::write(path, man));
        f.dialogs.queueAnswer(MessageAnswer(answer));
        f.open().close();
        QCOMPARE(f.dialogs.texts().contains(u"Do you want to empty the MAN-file?"_qs), asked);
        QCOMPARE(QFileInfo::exists(path), after != "missing"); // emptied, never deleted or created
        if (after != "missing")
            QCOMPARE(TestFiles::read(path), after);
    }

    void positionAndPictureAreStoredAndRestored()
    {
        WindowFixture f;
        f.settings.setValue(SettingsStore::PictureDefault, QStringLiteral("99"));
        f.open().resize(700, 500);
        f.window->close();
        QCOMPARE(f.settings.value(SettingsStore::PictureDefault, QString()), u"6"_qs); // there are 6
        const QStringList parts = f.settings.value(SettingsStore::StartUpPosition, QString()).split(u',');
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts[2].toDouble(), f.window->width() * 15.0);
        f.settings.setValue(SettingsStore::StartUpPosition, QStringLiteral("0,0,15000,9000"));
        QCOMPARE(f.open(false).size(), QSize(1000, 600));
    }

    void controlsScaleWithTheWindow()
    {
        WindowFixture f;
        f.open();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        auto* frame1 = f.find<QWidget>(u"Frame1"_qs);
        auto* combo = f.find<QWidget>(u"cmbChassis"_qs);
        auto* logo = f.find<QWidget>(u"lblLogo_1"_qs);
        const int comboHeight = combo->height();
        const QSize logoSize = logo->size();
        auto* client = f.window->centralWidget();

        client->resize(888 * 2, 529 * 2);
        QTRY_COMPARE(frame1->width(), 433 * 2);
        QCOMPARE(combo->height(), comboHeight);
        QCOMPARE(logo->size(), logoSize);
        auto* show = f.find<QWidget>(u"cmdShow"_qs);
        QCOMPARE(logo->x() + logo->width(), show->x() + show->width() - 8);

        client->resize(300, 200); // below three quarters: controls stop shrinking
        QTRY_COMPARE(frame1->width(), qRound(433 * 0.75));

        // The narrow layout lets the "NCS coding" frame fill the width.
        f.window->LayoutWidth = WindowLayout::kNcsOnlyWidth;
        client->resize(888, 529);
        QTRY_COMPARE(frame1->width(), qRound(433 * 888.0 / 448.0));
    }

    void defaultFolderButtonsBrowse()
    {
        WindowFixture f;
        f.open();
        QTemporaryDir other;
        QVERIFY(TestFiles::makeDirs(other.path(), {u"ECU"_qs}));
        f.dialogs.queueFolder(other.path());
        f.click(u"cmdPath_2"_qs);
        QCOMPARE(f.window->folders().FolderEDIABAS, other.path());
        QCOMPARE(f.dialogs.folderTitles, QStringList{u"Select default EDIABAS folder"_qs});
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"

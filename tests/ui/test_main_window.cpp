#include "support/data_table.h"
#include "support/window_fixture.h"

#include <QImage>
#include <QLabel>
#include <QTest>

namespace {

const QStringList kTrace = {u"FUNKTION_B"_qs,  u"\taktiv"_qs,    u"FUNKTION_A"_qs,
                            u"\t\twert_01"_qs, u"FUNKTION_C"_qs, u"\tnicht_aktiv"_qs};

// The main window on the default trace.
struct Fixture : WindowFixture {
    explicit Fixture(const std::function<void(Fixture&)>& before = {}) : WindowFixture(TestFiles::crlf(kTrace))
    {
        if (before)
            before(*this);
        open();
    }
    // The save dialogs asked for, by the extension in their title: 1 for TRC, 2 for MAN.
    QList<int> saveModes() const
    {
        QList<int> modes;
        for (const FileDialogRequest& request : dialogs.saveRequests)
            modes.append(request.title.contains(u"MAN"_qs) ? 2 : 1);
        return modes;
    }
    QImage shown() const { return find<QLabel>(u"listImage"_qs)->pixmap().toImage(); }
};

bool writePicture(const QString& path, QColor color)
{
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(color);
    return image.save(path, "PNG");
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void closingAsksToEmptyAFilledManFile_data()
    {
        // man: null for no file
        addColumns<QByteArray, MessageAnswer, QByteArray>("man", "answer", "after");
        QTest::newRow("missing") << QByteArray() << MessageAnswer::Yes << QByteArray();
        QTest::newRow("filled, yes") << QByteArray("A\r\n\t1\r\n") << MessageAnswer::Yes << QByteArray("");
        QTest::newRow("filled, no") << QByteArray("A\r\n\t1\r\n") << MessageAnswer::No << QByteArray("A\r\n\t1\r\n");
    }
    void closingAsksToEmptyAFilledManFile()
    {
        QFETCH(QByteArray, man);
        QFETCH(MessageAnswer, answer);
        WindowFixture f;
        const QString path = manipulationFilePath(f.ncs());
        QVERIFY(man.isNull() || TestFiles::write(path, man));
        f.dialogs.queueAnswer(answer);
        f.open().close();
        QCOMPARE(f.dialogs.texts().contains(u"Do you want to empty the MAN-file?"_qs), !man.isNull());
        QCOMPARE(QFileInfo::exists(path), !man.isNull()); // emptied, never deleted or created
        QTEST(TestFiles::read(path), "after");
    }

    // Entries that hand a file to the editor, to a copy, or empty it, or say it is not there.
    void fileEntries_data()
    {
        // file: under the program folder ("p:") or NCS Expert's; saveMode: 0: opened in the editor, -1: emptied
        addColumns<QString, QString, bool, int>("entry", "file", "exists", "saveMode");
        QTest::newRow("coding log") << u"sFile_5"_qs << u"p:\\Codinglog.txt"_qs << true << 0;
        QTest::newRow("no update plan") << u"sFile_6"_qs << u"p:\\Updateplan.txt"_qs << false << 0;
        QTest::newRow("trace copy") << u"sFile_9"_qs << u"\\WORK\\FSW_PSW.TRC"_qs << true << 1;
        QTest::newRow("MAN-file copy") << u"sFile_10"_qs << u"\\WORK\\FSW_PSW.MAN"_qs << true << 2;
        QTest::newRow("empty MAN-file") << u"sFile_11"_qs << u"\\WORK\\FSW_PSW.MAN"_qs << true << -1;
        QTest::newRow("no MAN-file to empty") << u"sFile_11"_qs << u"\\WORK\\FSW_PSW.MAN"_qs << false << -1;
    }
    void fileEntries()
    {
        QFETCH(QString, entry);
        QFETCH(QString, file);
        QFETCH(bool, exists);
        QFETCH(int, saveMode);
        Fixture f;
        const QString path =
            file.startsWith(u"p:") ? Paths::join(f.program(), file.mid(2)) : Paths::join(f.ncs(), file);
        QVERIFY(!exists || TestFiles::write(path, "A\r\n"));
        f.dialogs.queueSaveFile(QString()); // the copy's dialog is cancelled
        f.action(entry)->trigger();
        QCOMPARE(f.dialogs.editorFiles, exists && saveMode == 0 ? QStringList{path} : QStringList());
        QCOMPARE(f.saveModes(), exists && saveMode > 0 ? QList<int>{saveMode} : QList<int>());
        QCOMPARE(f.dialogs.texts(), exists ? QStringList() : QStringList{path + u" not found."_qs});
        QCOMPARE(QFileInfo::exists(path), exists);
        QCOMPARE(TestFiles::read(path), exists && saveMode >= 0 ? QByteArray("A\r\n") : QByteArray());
    }

    // A click on the picture shows the next one; a chosen picture of the user's joins as
    // number 7, and a second choice replaces it. Picture and place are kept at close; a
    // stored picture number beyond the last means 6, one that is no number none.
    void picturesAndPlace()
    {
        Fixture f([](Fixture& f) {
            QVERIFY(writePicture(f.path(u"mine.png"_qs), Qt::red));
            QVERIFY(f.settings.setValue(SettingsStore::PictureCustom, f.path(u"mine.png"_qs)));
            QVERIFY(f.settings.setValue(SettingsStore::PictureDefault, QStringLiteral("99")));
        });
        QCOMPARE(f.window->PictureDefault, 6);
        // Scaled at start-up as when chosen from the menu.
        QCOMPARE(f.window->imageList2().picture(7).size(), QSize(PictureList::kWidth, PictureList::kHeight));
        for (int expected : {7, 1, 2, 3, 4, 5, 6, 7, 1}) {
            QTest::mouseClick(f.find<QLabel>(u"listImage"_qs), Qt::LeftButton);
            QCOMPARE(f.window->PictureDefault, expected);
            QVERIFY(!f.shown().isNull());
            QCOMPARE(f.shown(), f.window->imageList2().picture(expected).toImage());
        }
        const QString second = f.path(u"pics/second.png"_qs);
        QVERIFY(TestFiles::makeDirs(f.dir.path(), {u"pics"_qs}) && writePicture(second, Qt::blue));
        f.dialogs.queueOpenFile(second);
        f.action(u"sSettings_6"_qs)->trigger();
        QCOMPARE(f.window->PictureDefault, 7);
        QCOMPARE(f.shown().pixelColor(10, 10), QColor(Qt::blue));
        QCOMPARE(f.settings.value(SettingsStore::PictureCustom, QString()), second);
        QCOMPARE(f.settings.value(SettingsStore::PictureFolder, QString()), Paths::folderOf(second));
        QVERIFY(f.dialogs.messages.isEmpty());

        f.window->resize(700, 500);
        f.window->close();
        QCOMPARE(f.settings.value(SettingsStore::PictureDefault, QString()), u"7"_qs);
        const QStringList parts = f.settings.value(SettingsStore::StartUpPosition, QString()).split(u',');
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts[2].toDouble(), f.window->width() * 15.0);
        QVERIFY(f.settings.setValue(SettingsStore::StartUpPosition, QStringLiteral("0,0,15000,9000")));
        QVERIFY(f.settings.setValue(SettingsStore::PictureDefault, QStringLiteral("six")));
        QCOMPARE(f.open(false).size(), QSize(1000, 600));
        QCOMPARE(f.window->PictureDefault, 0); // no number: no picture chosen from it
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"

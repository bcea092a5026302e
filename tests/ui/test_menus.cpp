#include "support/window_fixture.h"
#include "ui/frm_search.h"
#include "ui/menu_panel.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QTest>

namespace {

const QStringList kTrace = {u"FUNKTION_B"_qs, u"\taktiv"_qs, u"FUNKTION_A"_qs, u"\t\twert_01"_qs,
                            u"FUNKTION_C"_qs, u"\tnicht_aktiv"_qs};

QStringList replaced(QStringList lines, qsizetype index, const QString& line)
{
    lines[index] = line;
    return lines;
}

// The main window with the default trace written; the copies and the export belong to another
// panel, so the test records which save mode they ask for.
struct Fixture : WindowFixture {
    QList<int> saveModes;
    explicit Fixture(const std::function<void(Fixture&)>& before = {})
        : WindowFixture(TestFiles::crlf(kTrace))
    {
        if (before)
            before(*this);
        open();
        window->context().saveFileAs = [this](int mode) { saveModes.append(mode); };
    }
    QLabel* listImage() const { return find<QLabel>(u"listImage"_qs); }
    QImage shown() const { return listImage()->pixmap().toImage(); }
    QImage picture(int index) const { return window->imageList2().picture(index).toImage(); }
};

bool writePicture(const QString& path, QColor color)
{
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(color);
    return image.save(path, "PNG");
}

} // namespace

class TestMenus : public QObject {
    Q_OBJECT
private slots:
    void entriesCloseTheSearchWindow_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("closes");
        for (const char* name : {"sFile_1", "sFile_4", "sFile_5", "sFile_6", "sFile_7", "sFile_9", "sFile_10",
                                 "sFile_11", "ssFile_1", "ssFile_4", "sSettings_1", "sSettings_2", "sSettings_3",
                                 "sSettings_5", "sSettings_6", "sSettings_8", "sSettings_10", "sSettings_11",
                                 "sInfo_1"})
            QTest::newRow(name) << QString::fromLatin1(name) << true;
        QTest::newRow("sEdit_1") << u"sEdit_1"_qs << false;
        QTest::newRow("sEdit_2") << u"sEdit_2"_qs << false;
    }

    void entriesCloseTheSearchWindow()
    {
        QFETCH(QString, entry);
        QFETCH(bool, closes);
        Fixture f;
        f.load();
        f.click(u"cmdSearch"_qs);
        QVERIFY(f.window->findChild<FrmSearch*>(u"frmSearch"_qs));
        f.action(u"ssFile_4"_qs)->setEnabled(true);
        f.action(entry)->trigger();
        QCOMPARE(f.find<QPushButton>(u"cmdSearch"_qs)->property("tag").toString().isEmpty(), closes);
        if (closes)
            QTRY_VERIFY(!f.window->findChild<FrmSearch*>(u"frmSearch"_qs));
        else
            QVERIFY(f.find<FrmSearch>(u"frmSearch"_qs)->isVisible());
    }

    // Entries that hand a file to the editor or to a copy, or say it is not there.
    void fileEntries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("file"); // under the program folder ("p:") or NCS Expert's
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("saveMode"); // 0: opened in the editor
        QTest::newRow("coding log") << u"sFile_5"_qs << u"p:\\Codinglog.txt"_qs << true << 0;
        QTest::newRow("no coding log") << u"sFile_5"_qs << u"p:\\Codinglog.txt"_qs << false << 0;
        QTest::newRow("update plan") << u"sFile_6"_qs << u"p:\\Updateplan.txt"_qs << true << 0;
        QTest::newRow("trace copy") << u"sFile_9"_qs << u"\\WORK\\FSW_PSW.TRC"_qs << true << 1;
        QTest::newRow("MAN-file copy") << u"sFile_10"_qs << u"\\WORK\\FSW_PSW.MAN"_qs << true << 2;
        QTest::newRow("no MAN-file copy") << u"sFile_10"_qs << u"\\WORK\\FSW_PSW.MAN"_qs << false << 2;
    }

    void fileEntries()
    {
        QFETCH(QString, entry);
        QFETCH(QString, file);
        QFETCH(bool, exists);
        QFETCH(int, saveMode);
        Fixture f;
        const QString path = file.startsWith(u"p:") ? Paths::join(f.program(), file.mid(2)) : Paths::join(f.ncs(), file);
        if (exists)
            QVERIFY(TestFiles::write(path, "A\r\n"));
        f.action(entry)->trigger();
        QCOMPARE(f.dialogs.editorFiles, exists && saveMode == 0 ? QStringList{path} : QStringList());
        QCOMPARE(f.saveModes, exists && saveMode ? QList<int>{saveMode} : QList<int>());
        QCOMPARE(f.dialogs.texts(), exists ? QStringList() : QStringList{path + u" not found."_qs});
    }

    void chosenTraceIsLoaded()
    {
        Fixture f;
        const QString other = f.path(u"other.trc"_qs);
        QVERIFY(TestFiles::write(other, TestFiles::crlf(kTrace.mid(0, 4))));
        f.dialogs.queueOpenFile(other);
        f.action(u"sFile_1"_qs)->trigger();
        QCOMPARE(f.dialogs.openRequests.first().folder, Paths::join(f.ncs(), u"\\WORK"_qs));
        QVERIFY(f.session().treeVisible());
        QCOMPARE(f.tree().count(), 4);
        QVERIFY(!f.session().DefaultTraceLoaded);
    }

    void emptyManFile_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("with the file") << true;
        QTest::newRow("without the file") << false;
    }

    void emptyManFile()
    {
        QFETCH(bool, exists);
        Fixture f;
        const QString man = manipulationFilePath(f.ncs());
        if (exists)
            QVERIFY(TestFiles::write(man, "FUNKTION\r\n\twert\r\n"));
        f.action(u"sFile_11"_qs)->trigger();
        QCOMPARE(QFileInfo::exists(man), exists);
        if (exists)
            QCOMPARE(QFileInfo(man).size(), 0);
        QCOMPARE(f.dialogs.texts(), exists ? QStringList() : QStringList{man + u" not found."_qs});
    }

    void helpText()
    {
        Fixture f;
        f.action(u"sInfo_1"_qs)->trigger();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages.first().icon, MessageIcon::Information);
        const QStringList expected = {
            u"Load TRC-file:"_qs,
            u"[file loaded is ...\\NCSEXPER\\WORK\\FSW_PSW.TRC]"_qs,
            QString(),
            u"Select the line with the value you want to change"_qs,
            u"--> change the value in the popup screen"_qs,
            u"or choose Show values for all possible values and select one"_qs,
            QString(),
            u"Save MAN-file:"_qs,
            u"[file saved as ...\\NCSEXPER\\WORK\\FSW_PSW.MAN]"_qs,
            u"--> enter a name for the backup of the trc and man-file"_qs,
            QString(),
            u"Update SP-DATEN:"_qs,
            u"...\\SP-DATEN-Exx\\ECU       -->  ...\\EDIABAS\\ECU"_qs,
            u"...\\SP-DATEN-Exx\\SGDAT  -->  ...\\EC-APPS\\NFS\\SGDAT"_qs,
            u"...\\SP-DATEN-Exx\\SGDAT  -->  ...\\NCSEXPER\\SGDAT"_qs,
            u"...\\SP-DATEN-Exx\\DATEN  -->  ...\\NCSEXPER\\DATEN\\Exx"_qs,
            u"also update of files in ...\\NCSEXPER\\DATEN"_qs,
            QString(),
            u"Update WINKFP:"_qs,
            u"...\\SP-DATEN-Exx\\DATA    -->  ...\\EC-APPS\\NFS\\DATA"_qs,
            u"also update of SGIDC.AS2 in ...\\EC-APPS\\NFS\\DATA\\GDATEN"_qs,
            QString(),
            u"backup's are saved as ...\\name_date_time"_qs,
            QString(),
            u"Quillon - version 2.5.0"_qs,
        };
        QCOMPARE(f.dialogs.messages.first().text.split(u"\r\n"_qs), expected);
    }

    void resetWindowSize()
    {
        Fixture f;
        const WindowLayout::Record designed = f.window->controlLayout().at(0);
        f.window->resize(500, 300);
        f.window->showMaximized();
        QTRY_VERIFY(f.window->isMaximized());
        f.action(u"sSettings_8"_qs)->trigger();
        QTRY_VERIFY(!f.window->isMaximized());
        QTRY_COMPARE(f.window->size(), QSize(qRound(designed.width), qRound(designed.height)));
    }

    void ncsCodingOnly()
    {
        Fixture f;
        auto* frame1 = f.find<QGroupBox>(u"Frame1"_qs);
        QTRY_COMPARE(frame1->width(), 433);
        f.action(u"sSettings_11"_qs)->trigger();
        QCOMPARE(f.settings.value(SettingsStore::NCSonly, QString()), u"True"_qs);
        QTRY_COMPARE(frame1->width(), qRound(433 * 888.0 / 448.0));
        f.action(u"sSettings_11"_qs)->trigger();
        QCOMPARE(f.settings.value(SettingsStore::NCSonly, QString()), u"False"_qs);
        QTRY_COMPARE(frame1->width(), 433);
    }

    void pictureCycle_data()
    {
        QTest::addColumn<bool>("custom");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("built-in only") << false << QList<int>{1, 2, 3, 4, 5, 6, 1};
        QTest::newRow("with a custom picture") << true << QList<int>{7, 1, 2, 3, 4, 5, 6, 7};
    }

    void pictureCycle()
    {
        QFETCH(bool, custom);
        QFETCH(QList<int>, shown);
        Fixture f([custom](Fixture& f) {
            if (custom) {
                QVERIFY(writePicture(f.path(u"mine.png"_qs), Qt::red));
                f.settings.setValue(SettingsStore::PictureCustom, f.path(u"mine.png"_qs));
            }
        });
        QCOMPARE(f.window->PictureDefault, 6);
        for (int expected : shown) {
            QTest::mouseClick(f.listImage(), Qt::LeftButton);
            QCOMPARE(f.window->PictureDefault, expected);
            QCOMPARE(f.shown(), f.picture(expected));
        }
    }

    void customPictureChosenTwice()
    {
        Fixture f;
        const QString first = f.path(u"first.png"_qs);
        const QString second = f.path(u"pics/second.png"_qs);
        QVERIFY(TestFiles::makeDirs(f.dir.path(), {u"pics"_qs}));
        QVERIFY(writePicture(first, Qt::red));
        QVERIFY(writePicture(second, Qt::blue));

        f.dialogs.queueOpenFile(first);
        f.action(u"sSettings_6"_qs)->trigger();
        QCOMPARE(f.window->imageList2().count(), 7);
        QCOMPARE(f.window->PictureDefault, 7);
        QCOMPARE(f.shown().pixelColor(10, 10), QColor(Qt::red));
        QCOMPARE(f.settings.value(SettingsStore::PictureCustom, QString()), first);

        f.dialogs.queueOpenFile(second);
        f.action(u"sSettings_6"_qs)->trigger();
        QCOMPARE(f.dialogs.openRequests.last().folder, Paths::toNative(f.dir.path()));
        QCOMPARE(f.window->imageList2().count(), 7);
        QCOMPARE(f.picture(7).pixelColor(10, 10), QColor(Qt::blue));
        QCOMPARE(f.settings.value(SettingsStore::PictureFolder, QString()), Paths::folderOf(second));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void compareInTheWindow_data()
    {
        QTest::addColumn<QStringList>("file2");
        QTest::addColumn<QStringList>("result");
        QTest::addColumn<bool>("exportable");
        QTest::newRow("identical") << kTrace << QStringList{u"0 differences"_qs} << true;
        QTest::newRow("one changed value")
            << replaced(kTrace, 3, u"\t\twert_02"_qs)
            << QStringList{u"FUNKTION_A"_qs, u"File 1 --> wert_01"_qs, u"File 2 --> wert_02"_qs, QString(),
                           u"1 difference"_qs}
            << true;
        QTest::newRow("different length")
            << kTrace.mid(0, 5) << QStringList{u"Comparison not possible, trace files do not match!"_qs} << false;
    }

    void compareInTheWindow()
    {
        QFETCH(QStringList, file2);
        QFETCH(QStringList, result);
        QFETCH(bool, exportable);
        Fixture f;
        f.load();
        const QString path1 = f.path(u"one.trc"_qs);
        const QString path2 = f.path(u"two.trc"_qs);
        QVERIFY(TestFiles::write(path1, TestFiles::crlf(kTrace)));
        QVERIFY(TestFiles::write(path2, TestFiles::crlf(file2)));
        QAction* file1Entry = f.action(u"ssFile_1"_qs);
        QAction* file2Entry = f.action(u"ssFile_2"_qs);

        f.dialogs.queueOpenFile(path1);
        file1Entry->trigger();
        QVERIFY(file2Entry->isEnabled());
        QVERIFY(!f.session().treeVisible());
        f.dialogs.queueOpenFile(path2);
        file2Entry->trigger();
        const QStringList header = {u"Trace differences:"_qs, QString(), u"File 1 --> "_qs + path1,
                                    u"File 2 --> "_qs + path2, QString()};
        QCOMPARE(f.session().listItems(), header + result);
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(f.action(u"ssFile_4"_qs)->isEnabled(), exportable);
        QVERIFY(!file2Entry->isEnabled()); // back to the first state
        if (exportable) {
            f.action(u"ssFile_4"_qs)->trigger();
            QCOMPARE(f.saveModes, QList<int>{3});
        }
    }
};

QTEST_MAIN(TestMenus)
#include "test_menus.moc"

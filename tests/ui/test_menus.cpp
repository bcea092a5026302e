#include "common/paths.h"
#include "settings/settings_store.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"
#include "trace/trace_loader.h"
#include "ui/frm_search.h"
#include "ui/main_window.h"
#include "ui/menu_panel.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList kTrace = {u"FUNKTION_B"_qs, u"\taktiv"_qs, u"FUNKTION_A"_qs, u"\t\twert_01"_qs,
                            u"FUNKTION_C"_qs, u"\tnicht_aktiv"_qs};

QStringList replaced(QStringList lines, qsizetype index, const QString& line)
{
    lines[index] = line;
    return lines;
}

struct Fixture {
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    ScriptedDialogs dialogs;
    FixedClock clock;
    std::unique_ptr<MainWindow> window;
    QList<int> saveModes;

    QString ncs() const { return dir.filePath(QStringLiteral("NCSEXPER")); }
    QString program() const { return dir.filePath(QStringLiteral("program")); }
    QString path(const QString& name) const { return Paths::toNative(dir.filePath(name)); }

    explicit Fixture(const std::function<void(Fixture&)>& before = {})
    {
        TestFiles::makeDirs(ncs(), {u"DATEN"_qs, u"SGDAT"_qs, u"WORK"_qs});
        TestFiles::makeDirs(dir.path(), {u"program"_qs});
        settings.setValue(SettingsStore::FolderNCS, ncs());
        if (before)
            before(*this);
        window = std::make_unique<MainWindow>(
            MainWindowServices{settings, dialogs, clock, program(), dir.path()});
        window->show();
        // The copies and the export are another panel's; record what they are asked for.
        window->context().saveFileAs = [this](int mode) { saveModes.append(mode); };
    }

    template <typename T>
    T* find(const QString& name) const
    {
        return window->findChild<T*>(name);
    }
    QAction* action(const QString& name) const { return find<QAction>(name); }
    void loadTrace(const QStringList& lines = kTrace)
    {
        TestFiles::write(defaultTracePath(ncs()), TestFiles::crlf(lines));
        find<QPushButton>(u"cmdLoad"_qs)->click();
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
        f.loadTrace();
        f.find<QPushButton>(u"cmdSearch"_qs)->click();
        QVERIFY(f.find<FrmSearch>(u"frmSearch"_qs));
        f.action(u"ssFile_4"_qs)->setEnabled(true);
        f.action(entry)->trigger();
        QCOMPARE(f.find<QPushButton>(u"cmdSearch"_qs)->property("tag").toString().isEmpty(), closes);
        if (closes)
            QTRY_VERIFY(!f.find<FrmSearch>(u"frmSearch"_qs));
        else
            QVERIFY(f.find<FrmSearch>(u"frmSearch"_qs)->isVisible());
    }

    void openDialogs_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("inWork");
        const QString traceAll = u"Trace files (*.trc, *.man)|*.trc;*.man|All files (*.*)|*.*"_qs;
        QTest::newRow("Open Work folder")
            << u"sFile_4"_qs << u"Open file"_qs
            << u"All files (*.*)|*.*|Trace files (*.trc, *.man)|*.trc;*.man|Text files (*.txt)|*.txt"_qs << true;
        QTest::newRow("Open work button")
            << u"cmdOpen"_qs << u"Open file"_qs
            << u"All files (*.*)|*.*|Trace files (*.trc, *.man)|*.trc;*.man|Text files (*.txt)|*.txt"_qs << true;
        QTest::newRow("Load non-default") << u"sFile_1"_qs << u"Open TRC-file"_qs << traceAll << true;
        QTest::newRow("trace file 1") << u"ssFile_1"_qs << u"Open TRC-file"_qs << traceAll << true;
        QTest::newRow("custom picture")
            << u"sSettings_6"_qs << u"Select picture-file"_qs << u"All files (*.*)|*.*"_qs << false;
    }

    void openDialogs()
    {
        QFETCH(QString, entry);
        QFETCH(QString, title);
        QFETCH(QString, filter);
        QFETCH(bool, inWork);
        Fixture f([](Fixture& f) { f.settings.setValue(SettingsStore::PictureFolder, f.path(u"pics"_qs)); });
        f.dialogs.queueOpenFile(QString());
        if (entry == u"cmdOpen")
            f.find<QPushButton>(entry)->click();
        else
            f.action(entry)->trigger();
        QCOMPARE(f.dialogs.openRequests.size(), 1);
        const FileDialogRequest& request = f.dialogs.openRequests.first();
        QCOMPARE(request.title, title);
        QCOMPARE(request.filter, filter);
        QCOMPARE(request.folder, inWork ? Paths::join(f.ncs(), u"\\WORK"_qs) : f.path(u"pics"_qs));
        QVERIFY(request.proposedName.isEmpty());
        // A cancel does nothing else.
        QVERIFY(f.dialogs.messages.isEmpty());
        QVERIFY(f.dialogs.editorFiles.isEmpty());
    }

    void chosenFiles()
    {
        Fixture f;
        const QString other = f.path(u"other.trc"_qs);
        QVERIFY(TestFiles::write(other, TestFiles::crlf(kTrace)));
        f.dialogs.queueOpenFile(other);
        f.action(u"sFile_4"_qs)->trigger();
        QCOMPARE(f.dialogs.editorFiles, QStringList{other});

        f.dialogs.queueOpenFile(other);
        f.action(u"sFile_1"_qs)->trigger();
        QVERIFY(f.window->session().treeVisible());
        QCOMPARE(f.window->session().tree().count(), 6);
        QVERIFY(!f.window->session().DefaultTraceLoaded);
    }

    void programFiles_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("exists");
        QTest::newRow("coding log") << u"sFile_5"_qs << u"Codinglog.txt"_qs << true;
        QTest::newRow("no coding log") << u"sFile_5"_qs << u"Codinglog.txt"_qs << false;
        QTest::newRow("update plan") << u"sFile_6"_qs << u"Updateplan.txt"_qs << true;
        QTest::newRow("no update plan") << u"sFile_6"_qs << u"Updateplan.txt"_qs << false;
    }

    void programFiles()
    {
        QFETCH(QString, entry);
        QFETCH(QString, file);
        QFETCH(bool, exists);
        Fixture f;
        const QString path = Paths::join(f.program(), u"\\"_qs + file);
        if (exists)
            QVERIFY(TestFiles::write(path, "x\r\n"));
        f.action(entry)->trigger();
        if (exists) {
            QCOMPARE(f.dialogs.editorFiles, QStringList{path});
            QVERIFY(f.dialogs.messages.isEmpty());
        } else {
            QVERIFY(f.dialogs.editorFiles.isEmpty());
            QCOMPARE(f.dialogs.texts(), QStringList{path + u" not found."_qs});
            QCOMPARE(f.dialogs.messages.first().icon, MessageIcon::Exclamation);
        }
    }

    void editorThatDoesNotStart()
    {
        Fixture f;
        f.dialogs.setEditorStarts(false);
        f.action(u"sFile_7"_qs)->trigger();
        QCOMPARE(f.dialogs.editorFiles, QStringList{QString()});
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages.first().icon, MessageIcon::Critical);
    }

    void copies_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("tail");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("exists");
        QTest::newRow("trace") << u"sFile_9"_qs << u"\\WORK\\FSW_PSW.TRC"_qs << 1 << true;
        QTest::newRow("no trace") << u"sFile_9"_qs << u"\\WORK\\FSW_PSW.TRC"_qs << 1 << false;
        QTest::newRow("MAN-file") << u"sFile_10"_qs << u"\\WORK\\FSW_PSW.MAN"_qs << 2 << true;
        QTest::newRow("no MAN-file") << u"sFile_10"_qs << u"\\WORK\\FSW_PSW.MAN"_qs << 2 << false;
    }

    void copies()
    {
        QFETCH(QString, entry);
        QFETCH(QString, tail);
        QFETCH(int, mode);
        QFETCH(bool, exists);
        Fixture f;
        const QString path = Paths::join(f.ncs(), tail);
        if (exists)
            QVERIFY(TestFiles::write(path, "A\r\n"));
        f.action(entry)->trigger();
        QCOMPARE(f.saveModes, exists ? QList<int>{mode} : QList<int>{});
        QCOMPARE(f.dialogs.texts(), exists ? QStringList() : QStringList{path + u" not found."_qs});
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
        if (exists) {
            QCOMPARE(QFileInfo(man).size(), 0);
            QVERIFY(f.dialogs.messages.isEmpty());
        } else {
            QCOMPARE(f.dialogs.texts(), QStringList{man + u" not found."_qs});
        }
    }

    void exitClosesTheWindow()
    {
        Fixture f;
        QVERIFY(f.window->isVisible());
        f.action(u"sFile_13"_qs)->trigger();
        QVERIFY(!f.window->isVisible());
        // Closing stored the window position, as every close does.
        QVERIFY(!f.settings.value(SettingsStore::StartUpPosition, QString()).isEmpty());
    }

    void defaultFolders()
    {
        Fixture f;
        f.action(u"sSettings_5"_qs)->trigger();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages.first().icon, MessageIcon::Information);
        const ToolFolders& folders = f.window->folders();
        QCOMPARE(f.dialogs.messages.first().text, u"NCS Expert\t\t\t\r\n"_qs + folders.FolderNCS + u"\r\n\r\nEdiabas\r\n"_qs
                                                      + folders.FolderEDIABAS + u"\r\n\r\nWinKFP - NFS\r\n"_qs
                                                      + folders.FolderNFS);
    }

    void helpText()
    {
        Fixture f;
        f.action(u"sInfo_1"_qs)->trigger();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages.first().icon, MessageIcon::Information);
        const QStringList lines = f.dialogs.messages.first().text.split(u"\r\n"_qs);
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
        QCOMPARE(lines, expected);
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

    void sortListItems()
    {
        Fixture f;
        f.loadTrace();
        TraceTree& tree = f.window->session().tree();
        QCOMPARE(tree.roots(), (QList<int>{1, 3, 5}));
        f.action(u"sSettings_10"_qs)->trigger();
        QVERIFY(f.action(u"sSettings_10"_qs)->isChecked());
        QCOMPARE(tree.roots(), (QList<int>{3, 1, 5}));
        f.action(u"sSettings_10"_qs)->trigger();
        QVERIFY(!f.action(u"sSettings_10"_qs)->isChecked());
        QCOMPARE(tree.roots(), (QList<int>{1, 3, 5}));
    }

    void ncsCodingOnly()
    {
        Fixture f;
        auto* frame1 = f.find<QGroupBox>(u"Frame1"_qs);
        QTRY_COMPARE(frame1->width(), 433);
        f.action(u"sSettings_11"_qs)->trigger();
        QVERIFY(f.action(u"sSettings_11"_qs)->isChecked());
        QCOMPARE(f.window->LayoutWidth, 448.0);
        QCOMPARE(f.settings.value(SettingsStore::NCSonly, QString()), u"True"_qs);
        QTRY_COMPARE(frame1->width(), qRound(433 * 888.0 / 448.0));
        f.action(u"sSettings_11"_qs)->trigger();
        QVERIFY(!f.action(u"sSettings_11"_qs)->isChecked());
        QCOMPARE(f.window->LayoutWidth, 888.0);
        QCOMPARE(f.settings.value(SettingsStore::NCSonly, QString()), u"False"_qs);
        QTRY_COMPARE(frame1->width(), 433);
    }

    void builtInPictures()
    {
        const PictureList pictures = PictureList::builtIn();
        QCOMPARE(pictures.count(), 6);
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(pictures.picture(i).size(), QSize(400, 240));
        QVERIFY(pictures.picture(1).toImage() != pictures.picture(2).toImage());
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
        QCOMPARE(f.listImage()->toolTip(), u" Click for next picture "_qs);
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
        const QString second = Paths::toNative(f.dir.filePath(u"pics/second.png"_qs));
        QVERIFY(writePicture(first, Qt::red));
        QVERIFY(TestFiles::makeDirs(f.dir.path(), {u"pics"_qs}));
        QVERIFY(writePicture(second, Qt::blue));

        f.dialogs.queueOpenFile(first);
        f.action(u"sSettings_6"_qs)->trigger();
        QCOMPARE(f.window->imageList2().count(), 7);
        QCOMPARE(f.window->PictureDefault, 7);
        QCOMPARE(f.picture(7).pixelColor(10, 10), QColor(Qt::red));
        QCOMPARE(f.shown(), f.picture(7));
        QCOMPARE(f.settings.value(SettingsStore::PictureCustom, QString()), first);
        QCOMPARE(f.settings.value(SettingsStore::PictureFolder, QString()), Paths::toNative(f.dir.path()));

        f.dialogs.queueOpenFile(second);
        f.action(u"sSettings_6"_qs)->trigger();
        QCOMPARE(f.dialogs.openRequests.last().folder, Paths::toNative(f.dir.path()));
        QCOMPARE(f.window->imageList2().count(), 7);
        QCOMPARE(f.picture(7).pixelColor(10, 10), QColor(Qt::blue));
        QCOMPARE(f.settings.value(SettingsStore::PictureFolder, QString()), Paths::folderOf(second));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void customPictureThatIsNoPicture()
    {
        Fixture f;
        const QString notAPicture = f.path(u"notes.txt"_qs);
        QVERIFY(TestFiles::write(notAPicture, "just text\r\n"));
        f.dialogs.queueOpenFile(notAPicture);
        f.action(u"sSettings_6"_qs)->trigger();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages.first().icon, MessageIcon::Critical);
        QCOMPARE(f.window->imageList2().count(), 6);
        QCOMPARE(f.window->PictureDefault, 6);
        QCOMPARE(f.settings.value(SettingsStore::PictureCustom, u"None"_qs), u"None"_qs);
    }

    void compareInTheWindow_data()
    {
        QTest::addColumn<QStringList>("file2");
        QTest::addColumn<QStringList>("result");
        QTest::addColumn<bool>("exportable");
        QTest::addColumn<bool>("error");
        QTest::newRow("identical") << kTrace << QStringList{u"0 differences"_qs} << true << false;
        QTest::newRow("one changed value")
            << replaced(kTrace, 3, u"\t\twert_02"_qs)
            << QStringList{u"FUNKTION_A"_qs, u"File 1 --> wert_01"_qs, u"File 2 --> wert_02"_qs, QString(),
                           u"1 difference"_qs}
            << true << false;
        QTest::newRow("different length")
            << kTrace.mid(0, 5) << QStringList{u"Comparison not possible, trace files do not match!"_qs} << false
            << false;
        QTest::newRow("first line differs") << replaced(kTrace, 0, u"FUNKTION_Z"_qs) << QStringList() << false << true;
    }

    void compareInTheWindow()
    {
        QFETCH(QStringList, file2);
        QFETCH(QStringList, result);
        QFETCH(bool, exportable);
        QFETCH(bool, error);
        Fixture f;
        f.loadTrace();
        f.window->session().ChangeCount = 3;
        const QString path1 = f.path(u"one.trc"_qs);
        const QString path2 = f.path(u"two.trc"_qs);
        QVERIFY(TestFiles::write(path1, TestFiles::crlf(kTrace)));
        QVERIFY(TestFiles::write(path2, TestFiles::crlf(file2)));
        QAction* file1Entry = f.action(u"ssFile_1"_qs);
        QAction* file2Entry = f.action(u"ssFile_2"_qs);
        QAction* exportEntry = f.action(u"ssFile_4"_qs);

        f.dialogs.queueOpenFile(path1);
        file1Entry->trigger();
        QCOMPARE(file1Entry->text(), path1);
        QVERIFY(file1Entry->isChecked());
        QVERIFY(file2Entry->isEnabled());
        QVERIFY(!exportEntry->isEnabled());
        QVERIFY(!f.window->session().treeVisible());
        QCOMPARE(f.window->session().ChangeCount, 0);
        const QStringList header = {u"Trace differences:"_qs, QString(), u"File 1 --> "_qs + path1};
        QCOMPARE(f.window->session().listItems(), header);

        // A checked entry cannot be chosen again.
        file1Entry->trigger();
        QCOMPARE(f.dialogs.openRequests.size(), 1);
        QVERIFY(file1Entry->isChecked());

        f.dialogs.queueOpenFile(path2);
        file2Entry->trigger();
        QCOMPARE(f.window->session().listItems(),
                 (header + QStringList{u"File 2 --> "_qs + path2, QString()} + result));
        QCOMPARE(exportEntry->isEnabled(), exportable);
        QCOMPARE(f.dialogs.messages.size(), error ? 1 : 0);
        // Back to the first state in every case.
        QCOMPARE(file1Entry->text(), u"Select trace file 1"_qs);
        QCOMPARE(file2Entry->text(), u"Select trace file 2"_qs);
        QVERIFY(!file1Entry->isChecked());
        QVERIFY(!file2Entry->isChecked());
        QVERIFY(!file2Entry->isEnabled());

        if (exportable) {
            exportEntry->trigger();
            QCOMPARE(f.saveModes, QList<int>{3});
        }
    }

    void unreadableTraceFile1()
    {
        Fixture f;
        const QString missing = f.path(u"gone.trc"_qs);
        f.dialogs.queueOpenFile(missing);
        f.action(u"ssFile_1"_qs)->trigger();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages.first().icon, MessageIcon::Critical);
        QVERIFY(!f.action(u"ssFile_1"_qs)->isChecked());
        QVERIFY(!f.action(u"ssFile_2"_qs)->isEnabled());
    }

    void cancelAndLoadResetTheCompareMenu()
    {
        Fixture f;
        const QString path1 = f.path(u"one.trc"_qs);
        QVERIFY(TestFiles::write(path1, TestFiles::crlf(kTrace)));
        f.dialogs.queueOpenFile(path1);
        f.action(u"ssFile_1"_qs)->trigger();
        f.dialogs.queueOpenFile(path1);
        f.action(u"ssFile_2"_qs)->trigger();
        QVERIFY(f.action(u"ssFile_4"_qs)->isEnabled());

        // A cancelled choice has already disabled the export; nothing else changes.
        f.dialogs.queueOpenFile(QString());
        f.action(u"ssFile_1"_qs)->trigger();
        QVERIFY(!f.action(u"ssFile_4"_qs)->isEnabled());
        QVERIFY(!f.action(u"ssFile_1"_qs)->isChecked());

        // Loading a trace while file 1 is chosen returns the submenu to its first state.
        f.dialogs.queueOpenFile(path1);
        f.action(u"ssFile_1"_qs)->trigger();
        QVERIFY(f.action(u"ssFile_1"_qs)->isChecked());
        f.loadTrace();
        QVERIFY(f.window->session().treeVisible());
        QVERIFY(!f.action(u"ssFile_1"_qs)->isChecked());
        QCOMPARE(f.action(u"ssFile_1"_qs)->text(), u"Select trace file 1"_qs);
        QVERIFY(!f.action(u"ssFile_2"_qs)->isEnabled());
        QVERIFY(!f.action(u"ssFile_4"_qs)->isEnabled());
    }
};

QTEST_MAIN(TestMenus)
#include "test_menus.moc"

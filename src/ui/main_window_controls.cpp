#include "ui/main_window_controls.h"

#include "ui/controls.h"
#include "ui/trace_tree_view.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>

namespace {

enum class Kind { Frame, Button, Label, Combo, Tree, List, Picture, Progress };

struct ControlDesign {
    const char* name;
    Kind kind;
    const char* container; // nullptr: the client area
    int left, top, width, height;
    const char* caption;
    const char* tag;
};

// The designed layout. cmdShow comes before the logo labels that align to it.
constexpr ControlDesign kControls[] = {
    {"Frame1", Kind::Frame, nullptr, 8, 8, 433, 513, QT_TRANSLATE_NOOP("MainWindow", "NCS coding"), ""},
    {"cmdLoad", Kind::Button, "Frame1", 16, 24, 129, 25, QT_TRANSLATE_NOOP("MainWindow", "Load TRC-file"), ""},
    {"cmdSave", Kind::Button, "Frame1", 152, 24, 129, 25, QT_TRANSLATE_NOOP("MainWindow", "Save MAN-file"), ""},
    {"cmdOpen", Kind::Button, "Frame1", 288, 24, 129, 25, QT_TRANSLATE_NOOP("MainWindow", "Open work"), ""},
    {"cmdSearch", Kind::Button, "Frame1", 16, 56, 129, 25, QT_TRANSLATE_NOOP("MainWindow", "Search"), ""},
    {"cmdTranslate", Kind::Button, "Frame1", 152, 56, 129, 25, QT_TRANSLATE_NOOP("MainWindow", "Translation"), ""},
    {"cmdValues", Kind::Button, "Frame1", 288, 56, 129, 25, QT_TRANSLATE_NOOP("MainWindow", "Show values"), ""},
    {"Label1", Kind::Label, "Frame1", 16, 92, 104, 17, QT_TRANSLATE_NOOP("MainWindow", "Chassis - Module"), "NR"},
    {"cmbChassis", Kind::Combo, "Frame1", 124, 88, 125, 22, "", ""},
    {"cmbModule", Kind::Combo, "Frame1", 256, 88, 161, 22, "", ""},
    {"TreeTRC", Kind::Tree, "Frame1", 16, 120, 401, 377, "", ""},
    {"listItems", Kind::List, "Frame1", 16, 120, 401, 377, "", ""},
    {"Frame2", Kind::Frame, nullptr, 448, 8, 433, 441, QT_TRANSLATE_NOOP("MainWindow", "SP daten"), ""},
    {"cmdFolder", Kind::Button, "Frame2", 16, 24, 129, 25, QT_TRANSLATE_NOOP("MainWindow", "Select SP-source"), ""},
    {"cmdUpdate_0", Kind::Button, "Frame2", 152, 24, 129, 25, QT_TRANSLATE_NOOP("MainWindow", "Update SP-daten"), ""},
    {"cmdUpdate_1", Kind::Button, "Frame2", 288, 24, 129, 25, QT_TRANSLATE_NOOP("MainWindow", "Update WinKFP"), ""},
    {"cmdCheck", Kind::Button, "Frame2", 16, 56, 129, 25, QT_TRANSLATE_NOOP("MainWindow", "Check ECU update"), ""},
    {"cmdShow", Kind::Button, "Frame2", 288, 56, 129, 25, QT_TRANSLATE_NOOP("MainWindow", "Show WinKFP"), ""},
    {"lblSPdaten", Kind::Label, "Frame2", 16, 88, 401, 17, "", ""},
    {"lblCopy", Kind::Label, "Frame2", 16, 108, 401, 17, "", "NR"},
    {"listImage", Kind::Picture, "Frame2", 16, 128, 400, 240, "", ""},
    {"listCopy", Kind::List, "Frame2", 16, 128, 401, 240, "", ""},
    {"progBar", Kind::Progress, "Frame2", 16, 376, 401, 17, "", ""},
    {"lblLogo_1", Kind::Label, "Frame2", 241, 396, 168, 20, "Quillon", "NS"},
    {"lblLogo_2", Kind::Label, "Frame2", 241, 416, 168, 17, QT_TRANSLATE_NOOP("MainWindow", "for NCS Expert"), "NS"},
    {"Frame3", Kind::Frame, nullptr, 448, 456, 433, 65, QT_TRANSLATE_NOOP("MainWindow", "Default folder setttings"),
     ""},
    {"cmdPath_1", Kind::Button, "Frame3", 16, 24, 129, 25, "NCS Expert", ""},
    {"cmdPath_2", Kind::Button, "Frame3", 152, 24, 129, 25, "Ediabas", ""},
    {"cmdPath_3", Kind::Button, "Frame3", 288, 24, 129, 25, "WinKFP - NFS", ""},
};

QWidget* createControl(const ControlDesign& design, QWidget* container)
{
    const QString caption = QCoreApplication::translate("MainWindow", design.caption);
    switch (design.kind) {
    case Kind::Frame: return new QGroupBox(caption, container);
    case Kind::Button: return new QPushButton(caption, container);
    case Kind::Label: return new QLabel(caption, container);
    case Kind::Combo: {
        auto* combo = new QComboBox(container);
        combo->setEditable(false);
        return combo;
    }
    case Kind::Tree: return new TraceTreeView(container);
    case Kind::List: {
        auto* list = new QListView(container);
        list->setUniformItemSizes(true);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        return list;
    }
    case Kind::Picture: {
        auto* picture = new QLabel(container);
        picture->setAlignment(Qt::AlignCenter);
        picture->setFrameShape(QFrame::StyledPanel);
        return picture;
    }
    case Kind::Progress: {
        auto* bar = new QProgressBar(container);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        return bar;
    }
    }
    return nullptr;
}

} // namespace

QList<QWidget*> createMainWindowControls(QWidget* clientArea)
{
    QList<QWidget*> controls;
    for (const ControlDesign& design : kControls) {
        QWidget* container = clientArea;
        if (design.container)
            container = requireChild<QWidget>(clientArea, QString::fromLatin1(design.container));
        QWidget* control = createControl(design, container);
        control->setObjectName(QString::fromLatin1(design.name));
        control->setGeometry(design.left, design.top, design.width, design.height);
        control->setProperty("tag", QString::fromLatin1(design.tag));
        controls.append(control);
    }

    auto* logo = requireChild<QLabel>(clientArea, QStringLiteral("lblLogo_1"));
    QFont logoFont = logo->font();
    logoFont.setBold(true);
    logoFont.setPointSizeF(logoFont.pointSizeF() * 1.3);
    logo->setFont(logoFont);
    for (const char* name : {"lblLogo_1", "lblLogo_2"})
        requireChild<QLabel>(clientArea, QString::fromLatin1(name))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    requireChild<QWidget>(clientArea, QStringLiteral("listImage"))
        ->setToolTip(QCoreApplication::translate("MainWindow", " Click for next picture "));
    requireChild<QWidget>(clientArea, QStringLiteral("TreeTRC"))->hide();
    requireChild<QWidget>(clientArea, QStringLiteral("listCopy"))->hide();
    return controls;
}

namespace {

struct MenuEntry {
    const char* name;    // objectName; "-" entries are separators
    const char* caption; // "&" marks the mnemonic
    const char* shortcut;
    bool enabled;
    bool checkable;
};

void addEntries(QMenu* menu, std::initializer_list<MenuEntry> entries)
{
    for (const MenuEntry& entry : entries) {
        // A separator is a plain line: some styles would draw a caption of its own.
        QAction* action = QByteArrayView(entry.caption) == "-"
                              ? menu->addSeparator()
                              : menu->addAction(QCoreApplication::translate("MainWindow", entry.caption));
        action->setObjectName(QString::fromLatin1(entry.name));
        if (entry.shortcut[0] != '\0')
            action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
        action->setEnabled(entry.enabled);
        action->setCheckable(entry.checkable);
    }
}

} // namespace

void createMainWindowMenus(QMainWindow* window)
{
    QMenuBar* bar = window->menuBar();

    QMenu* file = bar->addMenu(QCoreApplication::translate("MainWindow", "&File"));
    file->setObjectName(QStringLiteral("mFile"));
    addEntries(file, {{"sFile_1", QT_TRANSLATE_NOOP("MainWindow", "&Load non-default TRC-file"), "", true, false}});
    QMenu* compare = file->addMenu(QCoreApplication::translate("MainWindow", "&Compare files"));
    compare->setObjectName(QStringLiteral("sFile_2"));
    compare->menuAction()->setObjectName(QStringLiteral("sFile_2_action"));
    addEntries(compare, {{"ssFile_1", QT_TRANSLATE_NOOP("MainWindow", "Select trace file &1"), "", true, true},
                         {"ssFile_2", QT_TRANSLATE_NOOP("MainWindow", "Select trace file &2"), "", false, true},
                         {"ssFile_3", "-", "", true, false},
                         {"ssFile_4", QT_TRANSLATE_NOOP("MainWindow", "&Export to text file"), "", false, false}});
    addEntries(file, {{"sFile_3", "-", "", true, false},
                      {"sFile_4", QT_TRANSLATE_NOOP("MainWindow", "Open &Work folder"), "Ctrl+O", true, false},
                      {"sFile_5", QT_TRANSLATE_NOOP("MainWindow", "Open Coding &log"), "", true, false},
                      {"sFile_6", QT_TRANSLATE_NOOP("MainWindow", "Open &Update plan"), "", true, false},
                      {"sFile_7", QT_TRANSLATE_NOOP("MainWindow", "Open &Notepad"), "", true, false},
                      {"sFile_8", "-", "", true, false},
                      {"sFile_9", QT_TRANSLATE_NOOP("MainWindow", "&Save FSW_PSW.TRC"), "Ctrl+S", true, false},
                      {"sFile_10", QT_TRANSLATE_NOOP("MainWindow", "Save FSW_PSW.&MAN"), "", true, false},
                      {"sFile_11", QT_TRANSLATE_NOOP("MainWindow", "Em&pty MAN-file"), "", true, false},
                      {"sFile_12", "-", "", true, false},
                      {"sFile_13", QT_TRANSLATE_NOOP("MainWindow", "E&xit"), "", true, false}});

    QMenu* edit = bar->addMenu(QCoreApplication::translate("MainWindow", "&Edit"));
    edit->setObjectName(QStringLiteral("mEdit"));
    addEntries(edit, {{"sEdit_1", QT_TRANSLATE_NOOP("MainWindow", "&Search..."), "Ctrl+F", true, false},
                      {"sEdit_2", QT_TRANSLATE_NOOP("MainWindow", "Search &next"), "F3", true, false}});

    QMenu* settings = bar->addMenu(QCoreApplication::translate("MainWindow", "&Settings"));
    settings->setObjectName(QStringLiteral("mSettings"));
    addEntries(settings,
               {{"sSettings_1", QT_TRANSLATE_NOOP("MainWindow", "Set default &NCS Expert folder"), "", true, false},
                {"sSettings_2", QT_TRANSLATE_NOOP("MainWindow", "Set default &Ediabas folder"), "", true, false},
                {"sSettings_3", QT_TRANSLATE_NOOP("MainWindow", "Set default &winKFP - NFS folder"), "", true, false},
                {"sSettings_4", "-", "", true, false},
                {"sSettings_5", QT_TRANSLATE_NOOP("MainWindow", "Show default &folders"), "", true, false},
                {"sSettings_6", QT_TRANSLATE_NOOP("MainWindow", "Set custom &picture"), "", true, false},
                {"sSettings_7", "-", "", true, false},
                {"sSettings_8", QT_TRANSLATE_NOOP("MainWindow", "&Reset window size"), "", true, false},
                {"sSettings_9", "-", "", true, false},
                {"sSettings_10", QT_TRANSLATE_NOOP("MainWindow", "S&ort list items"), "", true, true},
                {"sSettings_11", QT_TRANSLATE_NOOP("MainWindow", "Show NCS &coding only"), "", true, true}});

    // The languages are named in their own language, so anyone finds theirs.
    QMenu* language = settings->addMenu(QCoreApplication::translate("MainWindow", "&Language"));
    language->setObjectName(QStringLiteral("mLanguage"));
    addEntries(language, {{"sLanguage_en", "English", "", true, true}, {"sLanguage_de", "Deutsch", "", true, true}});

    QMenu* info = bar->addMenu(QCoreApplication::translate("MainWindow", "&Info"));
    info->setObjectName(QStringLiteral("mInfo"));
    addEntries(info, {{"sInfo_1", QT_TRANSLATE_NOOP("MainWindow", "&Help"), "", true, false}});
}

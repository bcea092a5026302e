#pragma once

#include "coding/translation_table.h"
#include "common/busy_state.h"
#include "common/program_folder.h"
#include "common/window_layout.h"
#include "moduledata/module_choice.h"
#include "settings/tool_folders.h"
#include "trace/trace_session.h"
#include "ui/panel_context.h"
#include "ui/picture_list.h"
#include "ui/window_requests.h"

#include <QList>
#include <QMainWindow>

#include <vector>

class ChassisPanel;
class Clock;
class ComparePanel;
class Dialogs;
class EditingPanel;
class InstallPanel;
class SavePanel;
class SearchPanel;
class SettingsStore;
class TraceChecksPanel;
class QLabel;
class QListView;
class TraceTreeView;

// What the main window is given from outside, so tests and the demo choose their own.
struct MainWindowServices {
    SettingsStore& settings;
    Dialogs& dialogs;
    const Clock& clock;
    ProgramFiles programFiles;
    QString winePrefix;
    // The coding history's folder; empty keeps no history.
    QString historyFolder = {};
    // The language the window was started in ("en", "de").
    QString language = QStringLiteral("en");
};

// frmMain: owns the state of a run and lays out its controls proportionally. The work of
// each frame is done by panels (one class per area) that call into the core; a panel asks
// for what another panel owns through the window's requests, which name that panel.
class MainWindow : public QMainWindow, private WindowRequests, private WindowFrame {
    Q_OBJECT
public:
    explicit MainWindow(const MainWindowServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    TraceSession& session() { return m_session; }
    ToolFolders& folders() { return m_folders; }
    BusyState& busy() { return m_busy; }

    void cmdLoad_Click();
    void cmdPath_Click(int index);
    void LoadTraceFile(const QString& path);

    void StoreControlLayout();
    void ResizeControls();
    double LayoutWidth = WindowLayout::kFullWidth;
    double LayoutHeight = WindowLayout::kDesignedHeight;
    // Record 0 is the window itself; record i the i-th control of the collection.
    const std::vector<WindowLayout::Record>& controlLayout() const { return m_controlLayout; }

    // The picture panel.
    int PictureDefault = 0; // none shown until start-up chooses one
    PictureList& imageList2() { return m_pictures; }
    void showPicture(int index) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // WindowRequests
    void loadTraceFile(const QString& path) override { LoadTraceFile(path); }
    void closeSearchWindow() override;
    bool showChangeWindowViaSearch(QDialog* changeWindow) override;
    void toggleTranslation() override;
    void saveFileAs(int mode) override;
    void chooseModule(const QString& module) override;
    QString folderSPdaten() const override;
    // WindowFrame
    void setLayoutWidth(double layoutWidth) override;
    QSize designedWindowSize() const override;
    PictureList& pictures() override { return m_pictures; }
    int shownPicture() const override { return PictureDefault; }

    void Form_Load();
    void Form_Unload();
    void restoreStartUpPosition();
    void connectFoundationControls();
    void constructPanels();

    SettingsStore& m_settings;
    Dialogs& m_dialogs;
    const Clock& m_clock;
    const ProgramFiles m_programFiles;
    const QString m_historyFolder;
    const QString m_language;
    ToolFolders m_folders;
    BusyState m_busy;
    TraceSession m_session;
    ModuleChoice m_modules;
    TranslationTable m_translations;
    const PanelContext m_context;

    // The panels that answer requests of the others; the window owns them as children.
    ChassisPanel* m_chassisPanel = nullptr;
    SavePanel* m_savePanel = nullptr;
    SearchPanel* m_searchPanel = nullptr;
    ComparePanel* m_comparePanel = nullptr;
    InstallPanel* m_installPanel = nullptr;
    EditingPanel* m_editingPanel = nullptr;
    TraceChecksPanel* m_traceChecksPanel = nullptr;
    QList<QWidget*> m_controls;
    std::vector<WindowLayout::Record> m_controlLayout;
    PictureList m_pictures;
    QWidget* m_clientArea = nullptr;
    TraceTreeView* m_tree = nullptr;
    QListView* m_listItems = nullptr;
    QLabel* m_listImage = nullptr;
};

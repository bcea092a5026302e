#pragma once

#include "common/busy_state.h"
#include "common/window_layout.h"
#include "settings/tool_folders.h"
#include "trace/trace_session.h"
#include "ui/app_context.h"
#include "ui/picture_list.h"

#include <QList>
#include <QMainWindow>

#include <memory>
#include <vector>

class Clock;
class Dialogs;
class SettingsStore;
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
};

// frmMain: owns the state of a run and lays out its controls proportionally. The work of
// each frame is done by panels (one class per area) that call into the core.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const MainWindowServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    AppContext& context() { return *m_context; }
    TraceSession& session() { return m_session; }
    ToolFolders& folders() { return m_folders; }

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
    void showPicture(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void restoreStartUpPosition();
    void connectFoundationControls();
    void constructPanels();

    SettingsStore& m_settings;
    Dialogs& m_dialogs;
    const Clock& m_clock;
    ToolFolders m_folders;
    BusyState m_busy;
    TraceSession m_session;
    std::unique_ptr<AppContext> m_context;
    QList<QWidget*> m_controls;
    std::vector<WindowLayout::Record> m_controlLayout;
    PictureList m_pictures;
    QWidget* m_clientArea = nullptr;
    TraceTreeView* m_tree = nullptr;
    QListView* m_listItems = nullptr;
    QLabel* m_listImage = nullptr;
};

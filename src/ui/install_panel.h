#pragma once

#include "install/install_observer.h"
#include "install/install_state.h"
#include "install/log_list_model.h"
#include "install/real_file_ops.h"

#include <QElapsedTimer>
#include <QObject>

struct PanelContext;
struct InstallContext;
class QLabel;
class QListView;
class QProgressBar;
class QPushButton;
class QWidget;

// The "SP daten" frame: choosing the data set, the two installation runs and the WinKFP
// guide. The runs work on the window's thread and let pending events run between items
// (throttled to about 40 times a second), so the log and the bar stay live and
// "Select SP-source" stays usable, while the update buttons are disabled and the window
// refuses to close until the run has ended.
class InstallPanel final : public QObject, private InstallView {
    Q_OBJECT
public:
    InstallPanel(QWidget* frmMain, const PanelContext& context);

    InstallState& state() { return m_state; }
    LogListModel& log() { return m_log; }

    void cmdFolder_Click();
    void cmdUpdate_Click(int index);
    void cmdShow_Click();
    // Settings menu "Restore an installation…": the records window, then the restore.
    void sSettingsRestore_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // InstallView
    void setCaption(const QString& caption) override;
    void addLine(const QString& line) override;
    void selectLastLine() override;
    void setPercentage(int percent) override;
    void processPendingEvents() override;
    void clearLines() override;
    void showLog() override;
    void showPicture() override;
    void setUpdateButtonsEnabled(bool enabled) override;
    void setSourceFolder(const QString& folder) override;

    InstallContext runContext();
    // Where the restore records are kept: the per-user data folder's installs folder.
    QString recordsFolder() const;
    // Hands the collected lines to the list and applies the pending selection.
    void flush();

    QWidget* m_frmMain;
    const PanelContext& m_context;
    InstallState m_state;
    RealFileOps m_ops;
    LogListModel m_log;
    QElapsedTimer m_sinceEvents;
    int m_selectRow = -1;
    bool m_running = false;
    // What cmdShow shows next: the guide, or the picture it replaced.
    bool m_guideNext = true;

    QPushButton* m_cmdFolder;
    QPushButton* m_cmdUpdate[2];
    QPushButton* m_cmdShow;
    QLabel* m_lblSPdaten;
    QLabel* m_lblCopy;
    QListView* m_listCopy;
    QWidget* m_listImage;
    QProgressBar* m_progBar;
};

#pragma once

#include "moduledata/module_ranking.h"

#include <QDialog>

#include <optional>

class Dialogs;
class QLabel;
class QTreeWidget;
class QProgressBar;
class QPushButton;
class WindowWorker;

// "Find module for this trace": ranks the chassis's modules on worker threads while the
// window shows the progress, then lists them best first with what the selected one lacks.
// OK takes the selected module.
class FrmFindModule : public QDialog {
    Q_OBJECT
public:
    FrmFindModule(const QString& folderNCS, const QString& chassis, const QStringList& traceLines, Dialogs& dialogs,
                  QWidget* frmMain);
    ~FrmFindModule() override;

    // The module chosen with OK; empty before.
    QString chosenModule() const { return m_chosen; }

    void reject() override;

private:
    void showRanking();
    void showLacks();
    void cmdOK_Click();

    Dialogs& m_dialogs;
    QString m_chassis;
    QLabel* m_lblFindModule;
    QProgressBar* m_progFindModule;
    QTreeWidget* m_listModules;
    QLabel* m_lblLacks;
    QPushButton* m_cmdOK;
    WindowWorker* m_worker;
    std::optional<Result<ModuleRanking>> m_ranking; // written by the worker before it ends
    QString m_chosen;
};

#pragma once

#include "trace/tree_search.h"

#include <QDialog>

class Dialogs;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TraceTreeView;

// frmSearch: a small modeless window that floats above the main window and finds
// function nodes of TreeTRC one hit at a time. A new window is made for every opening,
// so nothing is remembered from an earlier one.
class FrmSearch : public QDialog {
    Q_OBJECT
public:
    FrmSearch(QWidget* frmMain, TraceTreeView* treeTRC, Dialogs& dialogs);
    ~FrmSearch() override;

    // One search step, as "Search next" does.
    void cmdNext_Click(int index);
    // Shows the prepared change window modally without the search window covering it.
    void showChangeWindow(QDialog* changeWindow);

    // Hides the window while another application is active, shows it again on return.
    void applicationStateChanged(Qt::ApplicationState state);
    bool hiddenWhileInactive() const { return m_hiddenWhileInactive; }

    // Restores the last hit's background and gives the focus back to the tree; once.
    void Form_Unload();

    const TreeSearch& search() const { return m_search; }
    bool focusOnActivate() const { return m_focusOnActivate; }

signals:
    // The window is closing (Cancel, Esc, its close box or the main window).
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool event(QEvent* event) override;

private:
    void buildControls();
    void cmdChange_Click();

    TraceTreeView* m_treeTRC;
    Dialogs& m_dialogs;
    TreeSearch m_search;
    bool m_focusOnActivate = true;
    bool m_hiddenWhileInactive = false;
    bool m_unloaded = false;
    QDialog* m_changeWindow = nullptr;
    QPushButton* m_cmdChange = nullptr;
    QRadioButton* m_optSearch[2] = {};
    QRadioButton* m_optUpDown[2] = {};
    QLineEdit* m_txtSearch = nullptr;
    QPushButton* m_cmdNext[2] = {};
};

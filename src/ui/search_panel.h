#pragma once

#include <QObject>
#include <QPointer>

class QDialog;
class QPushButton;
class QWidget;
class FrmSearch;
class TraceTreeView;
struct PanelContext;

// The "Search" button, the Edit menu and the life of the search window. While the
// window is open, cmdSearch carries the tag "show".
class SearchPanel : public QObject {
    Q_OBJECT
public:
    SearchPanel(QWidget* frmMain, const PanelContext& context);

    void cmdSearch_Click();
    void sEdit_Click(int index);
    void closeSearchWindow();
    bool showChangeWindowViaSearch(QDialog* changeWindow);

    FrmSearch* frmSearch() const;

private:
    void placeSearchWindow();
    void searchWindowUnloaded();

    QWidget* m_frmMain;
    const PanelContext& m_context;
    QPushButton* m_cmdSearch;
    TraceTreeView* m_treeTRC;
    QPointer<FrmSearch> m_frmSearch;
};

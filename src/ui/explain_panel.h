#pragma once

#include <QObject>

class QWidget;
class TraceTreeView;
struct PanelContext;

// "Explain function…", in the Edit menu and the tree's context menu: what the chosen
// module's own structure says of the selected function.
class ExplainPanel : public QObject {
    Q_OBJECT
public:
    ExplainPanel(QWidget* frmMain, const PanelContext& context);

    void ExplainFunction_Click();

private:
    QWidget* m_frmMain;
    const PanelContext& m_context;
    TraceTreeView* m_treeTRC;
};

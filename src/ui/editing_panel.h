#pragma once

#include <QObject>
#include <QString>

class QWidget;
class TraceTreeView;
struct PanelContext;

// The "NCS coding" frame's editing: a click on a value in TreeTRC (through the change
// window, or by choosing among the listed values after "Show values"), and the
// "Translation" button, which other parts reach through the window's requests.
class EditingPanel : public QObject {
    Q_OBJECT
public:
    EditingPanel(QWidget* frmMain, const PanelContext& context);

    void TreeTRC_NodeClick(int node);
    void cmdTranslate_Click();

    // The new value handed back by the change window; empty when nothing was confirmed.
    const QString& cmdLoadTag() const { return m_cmdLoadTag; }

private:
    void EditThroughChangeWindow(int node);

    QWidget* m_frmMain;
    const PanelContext& m_context;
    TraceTreeView* m_treeTRC;
    QString m_cmdLoadTag;
};

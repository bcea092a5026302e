#pragma once

#include <QObject>

class QWidget;
struct PanelContext;

// The "Show values" button: every possible value of each function of the shown trace.
// MarkerDistance is kept with the module choice between presses.
class ValuesPanel : public QObject {
    Q_OBJECT
public:
    ValuesPanel(QWidget* frmMain, const PanelContext& context);

    void cmdValues_Click();

private:
    const PanelContext& m_context;
};

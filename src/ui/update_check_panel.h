#pragma once

#include <QObject>

class QWidget;
struct PanelContext;

// "Check ECU update" (cmdCheck): opens frmUpdate modally on the WinKFP folder and the
// chosen SP-daten data set.
class UpdateCheckPanel : public QObject {
    Q_OBJECT
public:
    UpdateCheckPanel(QWidget* frmMain, const PanelContext& context);

    void cmdCheck_Click();

private:
    QWidget* m_frmMain;
    const PanelContext& m_context;
};

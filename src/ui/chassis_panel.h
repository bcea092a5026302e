#pragma once

#include <QObject>
#include <QString>

class QComboBox;
class QWidget;
struct PanelContext;

// cmbChassis and cmbModule: the choice of chassis and module whose NCS Expert data
// "Show values" searches. Keeps the window's ModuleChoice in step with the two boxes.
class ChassisPanel : public QObject {
    Q_OBJECT
public:
    ChassisPanel(QWidget* frmMain, const PanelContext& context);

    void cmbChassis_Click();
    void cmbModule_Click();
    // Chooses module in cmbModule as if the user picked it; does nothing when not listed.
    void chooseModule(const QString& module);

private:
    void showFailure(const QString& message);

    const PanelContext& m_context;
    QComboBox* m_cmbChassis;
    QComboBox* m_cmbModule;
};

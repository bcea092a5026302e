#pragma once

#include "moduledata/module_data.h"

#include <QObject>

class QComboBox;
class QWidget;
struct AppContext;

// cmbChassis and cmbModule: the choice of chassis and module whose NCS Expert data
// "Show values" searches. Owns that data; the context points to it.
class ChassisPanel : public QObject {
    Q_OBJECT
public:
    ChassisPanel(QWidget* frmMain, AppContext& context);

    ModuleData& moduleData() { return m_data; }
    // The texts of the two boxes (empty while nothing is chosen).
    QString chassisText() const;
    QString moduleText() const;

    void cmbChassis_Click();
    void cmbModule_Click();

private:
    void showFailure(const QString& message);

    AppContext& m_context;
    QComboBox* m_cmbChassis;
    QComboBox* m_cmbModule;
    ModuleData m_data;
};

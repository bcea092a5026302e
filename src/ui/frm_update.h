#pragma once

#include "updatecheck/update_check.h"

#include <QDialog>

class BusyState;
class Clock;
class Dialogs;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// frmUpdate, "Check for update": looks an assembly number up in WinKFP's assembly-line
// data and appends an update found to Updateplan.txt. A fresh window for every opening;
// the check and the plan file are the core's, the window only gathers and shows.
class FrmUpdate : public QDialog {
    Q_OBJECT
public:
    struct Services {
        Dialogs& dialogs;
        const Clock& clock;
        BusyState& busy;
        QString programFolder; // where Updateplan.txt lives
    };

    // pathNFS is the WinKFP folder; pathSPdaten the chosen SP-daten data set, or empty.
    FrmUpdate(const Services& services, const QString& pathNFS, const QString& pathSPdaten, QWidget* parent = nullptr);

    QString PathNFS;
    QString PathSPdaten;
    // The folder whose DATA subfolder the check reads.
    QString PathSearch;

    // 0 Cancel, 1 Check, 2 Add to updateplan.
    void cmdOK_Click(int index);
    void chkFolder_Click();

private:
    void Form_Load();
    void CheckAssemblyNumber();
    void AddToUpdatePlan();
    void showCheck(const UpdateCheck& check);

    Services m_services;
    QLineEdit* m_txtZUSB;
    QCheckBox* m_chkFolder;
    QLabel* m_lblPath;
    QLabel* m_lblHardware;
    QLabel* m_lblUpdate;
    QPushButton* m_cmdOK[3];
    // The last check, for the plan entry; only its family, hardware and update are used.
    UpdateCheck m_lastCheck;
};

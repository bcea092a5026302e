#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;
struct AppContext;

// "Check ECU update" (cmdCheck): opens frmUpdate modally on the WinKFP folder and the
// chosen SP-daten data set.
class UpdateCheckPanel : public QObject {
    Q_OBJECT
public:
    // folderSPdaten answers the SP-daten folder chosen at the time of the click; empty
    // when none was chosen.
    UpdateCheckPanel(QWidget* frmMain, AppContext& context, std::function<QString()> folderSPdaten);

    void cmdCheck_Click();

private:
    QWidget* m_frmMain;
    AppContext& m_context;
    std::function<QString()> m_folderSPdaten;
};

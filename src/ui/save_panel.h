#pragma once

#include <QObject>
#include <QString>

class QComboBox;
class QWidget;
struct AppContext;

// "Save MAN-file" (cmdSave) and the one save dialog, SaveFileAs, which the menus and the
// comparison reach through the context.
class SavePanel : public QObject {
    Q_OBJECT
public:
    SavePanel(QWidget* frmMain, AppContext& context);

    void cmdSave_Click();
    void SaveFileAs(int mode);

    // cmdSave's tag: the name of the trace copy saved during the last save.
    const QString& saveTag() const { return m_saveTag; }

private:
    AppContext& m_context;
    QComboBox* m_cmbChassis;
    QComboBox* m_cmbModule;
    QString m_saveTag;
};

#pragma once

#include <QObject>
#include <QString>

class QWidget;
struct PanelContext;

// "Save MAN-file" (cmdSave) and the one save dialog, SaveFileAs, which the menus and the
// comparison reach through the window's requests.
class SavePanel : public QObject {
    Q_OBJECT
public:
    SavePanel(QWidget* frmMain, const PanelContext& context);

    void cmdSave_Click();
    void SaveFileAs(int mode);

    // cmdSave's tag: the name of the trace copy saved during the last save.
    const QString& saveTag() const { return m_saveTag; }

private:
    const PanelContext& m_context;
    QString m_saveTag;
};

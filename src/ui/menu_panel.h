#pragma once

#include <QObject>
#include <QString>

class QMainWindow;
class QAction;
class QLabel;
struct PanelContext;
struct ToolFolders;

// The menu bar (but for "Compare files", which has a panel of its own), the "Open work"
// button and the picture panel.
class MenuPanel : public QObject {
    Q_OBJECT
public:
    MenuPanel(QMainWindow* frmMain, const PanelContext& context);

    void sFile_Click(int index);
    void sSettings_Click(int index);
    void sInfo_Click(int index);
    void cmdOpen_Click();
    void listImage_Click();

    static QString helpText();
    static QString defaultFoldersText(const ToolFolders& folders);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* action(const QString& name) const;
    void connectMenu(const QString& prefix, int count, void (MenuPanel::*handler)(int));
    void startEditor(const QString& path);
    void openProgramFile(const QString& tail);
    void saveCopy(const QString& path, int mode);
    void emptyManipulationFile();
    void setCustomPicture(const QString& path);
    void resetWindowSize();
    void showNcsCodingOnly(bool on);
    void chooseLanguage(const QString& code);
    void showError(const QString& text);

    QMainWindow* m_frmMain;
    const PanelContext& m_context;
    QLabel* m_listImage;
};

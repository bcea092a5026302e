#pragma once

#include <QObject>
#include <QStringList>

class QMainWindow;
class QAction;
class QLabel;
struct AppContext;
struct ToolFolders;

// The menu bar, the "Open work" button, the picture panel and the comparison of two
// trace files driven from the "Compare files" submenu.
class MenuPanel : public QObject {
    Q_OBJECT
public:
    MenuPanel(QMainWindow* frmMain, AppContext& context);

    void sFile_Click(int index);
    void ssFile_Click(int index);
    void sSettings_Click(int index);
    void sInfo_Click(int index);
    void cmdOpen_Click();
    void listImage_Click();

    // Every open-file dialog of the main window, by mode 1 to 5.
    void OpenFileDialog(int mode);
    // Mode 3 records trace file 1; mode 4 reads trace file 2 and compares.
    void CompareTraces(int mode, const QString& path);
    // Returns the "Compare files" submenu to its first state (export left as it is).
    void SetCompareMenu();

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
    void showError(const QString& text);

    QMainWindow* m_frmMain;
    AppContext& m_context;
    QLabel* m_listImage;
    QStringList CompareLines1;
    QStringList CompareLines2;
};

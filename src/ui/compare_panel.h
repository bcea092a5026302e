#pragma once

#include "tracetools/compare_files.h"

#include <QObject>

class QAction;
class QMainWindow;
struct PanelContext;

// The "Compare files" submenu of the File menu: its entries show the state of the
// comparison, which lives in the core.
class ComparePanel : public QObject {
    Q_OBJECT
public:
    ComparePanel(QMainWindow* frmMain, const PanelContext& context);

    void ssFile_Click(int index);
    // Mode 3 records trace file 1; mode 4 reads trace file 2 and compares.
    void CompareTraces(int mode, const QString& path);
    // Every load of a trace returns the submenu to its first state and withdraws the export.
    void traceAboutToLoad();

private:
    // Sets the entries' captions, marks and states from the comparison's state.
    void SetCompareMenu();

    const PanelContext& m_context;
    CompareFiles m_compare;
    QAction* m_ssFile[4];
};

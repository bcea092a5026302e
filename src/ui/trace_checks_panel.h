#pragma once

#include <QObject>

class QAction;
class QWidget;
struct PanelContext;

// Checks on the loaded trace: the question about a leftover FSW_PSW.MAN right after a load,
// and the Edit menu's "Find module for this trace..." and "Translation report...".
class TraceChecksPanel : public QObject {
    Q_OBJECT
public:
    TraceChecksPanel(QWidget* frmMain, const PanelContext& context);

    void FindModule_Click();
    void TranslationReport_Click();
    // "Find module" needs a trace and a chassis.
    void updateFindModule();
    // Right after a trace is loaded, before anything else happens.
    void traceLoaded();

private:
    QWidget* m_frmMain;
    const PanelContext& m_context;
    QAction* m_findModule;
};

#pragma once

#include "trace/trace_functions.h"

#include <QObject>
#include <QPointer>

class FrmApplied;
class QMainWindow;
struct PanelContext;

// Taking the values of another trace into the loaded one: "Apply values of another
// trace…" in the File menu (any trace file, such as a backup copy or the trace of a
// replaced module) and "Coding history…" in the Edit menu (the states kept by the saves).
class HistoryPanel : public QObject {
    Q_OBJECT
public:
    HistoryPanel(QMainWindow* frmMain, const PanelContext& context);

    void sFileApply_Click();
    void sEditHistory_Click();
    // Applies the values and shows what changed and what could not be applied.
    void ApplyTrace(const QList<TraceFunction>& wanted, const QString& source);

private:
    bool traceShown();

    QMainWindow* m_frmMain;
    const PanelContext& m_context;
    QPointer<FrmApplied> m_applied;
};

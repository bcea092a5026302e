#pragma once

#include "moduledata/value_search_state.h"

#include <QObject>

class QWidget;
struct PanelContext;

// The "Show values" button: every possible value of each function of the shown trace.
// Keeps MarkerDistance between presses.
class ValuesPanel : public QObject {
    Q_OBJECT
public:
    ValuesPanel(QWidget* frmMain, const PanelContext& context);

    void cmdValues_Click();
    const ValueSearchState& state() const { return m_state; }

private:
    const PanelContext& m_context;
    ValueSearchState m_state;
};

#include "ui/values_panel.h"

#include "moduledata/module_choice.h"
#include "moduledata/possible_values_command.h"
#include "ui/controls.h"
#include "ui/panel_context.h"
#include "ui/window_requests.h"

#include <QPushButton>
#include <QWidget>

ValuesPanel::ValuesPanel(QWidget* frmMain, const PanelContext& context) : QObject(frmMain), m_context(context)
{
    setObjectName(QStringLiteral("valuesPanel"));
    connect(requireChild<QPushButton>(frmMain, QStringLiteral("cmdValues")), &QPushButton::clicked, this,
            &ValuesPanel::cmdValues_Click);
}

void ValuesPanel::cmdValues_Click()
{
    m_context.window.closeSearchWindow();
    ShowPossibleValues(m_context.session, &m_context.modules.data, m_state, m_context.busy, m_context.dialogs,
                       [this] { m_context.window.toggleTranslation(); });
}

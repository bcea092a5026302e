#include "ui/values_panel.h"

#include "moduledata/possible_values_command.h"
#include "ui/app_context.h"

#include <QPushButton>
#include <QWidget>

ValuesPanel::ValuesPanel(QWidget* frmMain, AppContext& context) : QObject(frmMain), m_context(context)
{
    setObjectName(QStringLiteral("valuesPanel"));
    connect(frmMain->findChild<QPushButton*>(QStringLiteral("cmdValues")), &QPushButton::clicked, this,
            &ValuesPanel::cmdValues_Click);
}

void ValuesPanel::cmdValues_Click()
{
    callHook(m_context.closeSearchWindow);
    ShowPossibleValues(m_context.session, m_context.moduleData, m_state, m_context.busy, m_context.dialogs,
                       [this] { callHook(m_context.toggleTranslation); });
}

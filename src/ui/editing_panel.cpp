#include "ui/editing_panel.h"

#include "coding/translation.h"
#include "coding/translation_table.h"
#include "common/dialogs.h"
#include "common/program_folder.h"
#include "trace/trace_session.h"
#include "trace/value_editing.h"
#include "ui/controls.h"
#include "ui/frm_change.h"
#include "ui/panel_context.h"
#include "ui/trace_tree_view.h"
#include "ui/window_requests.h"

#include <QPushButton>
#include <QWidget>

#include <memory>

EditingPanel::EditingPanel(QWidget* frmMain, const PanelContext& context)
    : QObject(frmMain),
      m_frmMain(frmMain),
      m_context(context),
      m_treeTRC(requireChild<TraceTreeView>(frmMain, QStringLiteral("TreeTRC")))
{
    connect(m_treeTRC, &TraceTreeView::nodeClicked, this, &EditingPanel::TreeTRC_NodeClick);
    connect(requireChild<QPushButton>(frmMain, QStringLiteral("cmdTranslate")), &QPushButton::clicked, this,
            &EditingPanel::cmdTranslate_Click);
}

void EditingPanel::TreeTRC_NodeClick(int node)
{
    switch (ValueEditing::actionForClick(m_context.session, node, m_treeTRC->treeMouseDown())) {
    case ValueEditing::ClickAction::None: return;
    case ValueEditing::ClickAction::ChangeWindow: EditThroughChangeWindow(node); return;
    case ValueEditing::ClickAction::ChooseListed: ValueEditing::ChooseListedValue(m_context.session, node); return;
    }
}

void EditingPanel::EditThroughChangeWindow(int node)
{
    const ValueEditing::ValueChange change = ValueEditing::BeginValueChange(m_context.session.tree(), node);
    m_cmdLoadTag.clear();
    {
        auto frmChange =
            std::make_unique<FrmChange>(m_cmdLoadTag, change.function, change.oldValue, change.quickChange, m_frmMain);
        frmChange->placeAtCentreOf(m_frmMain);
        // The open search window floats on top; it shows the dialog itself so as not to cover it.
        if (!m_context.window.showChangeWindowViaSearch(frmChange.get()))
            frmChange->exec();
    }
    const Status finished =
        ValueEditing::FinishValueChange(m_context.session, change, m_cmdLoadTag,
                                        [this](const QString& name) { return m_context.translations.lookup(name); });
    if (!finished)
        m_context.dialogs.message(mainCaption(), finished.error(), MessageIcon::Critical);
}

void EditingPanel::cmdTranslate_Click()
{
    // Switching rebuilds the view's rows; keep the user's place in the tree.
    const int current = m_treeTRC->currentNode();
    ToggleTranslation(m_context.session, m_context.translations,
                      m_context.programFiles.readFolder(QStringLiteral("\\Translations.csv")), m_context.dialogs);
    if (current > 0)
        m_treeTRC->selectNode(current);
}

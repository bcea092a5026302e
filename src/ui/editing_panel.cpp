#include "ui/editing_panel.h"

#include "coding/translation.h"
#include "common/dialogs.h"
#include "trace/trace_session.h"
#include "trace/value_editing.h"
#include "ui/app_context.h"
#include "ui/frm_change.h"
#include "ui/trace_tree_view.h"

#include <QPushButton>
#include <QWidget>

#include <memory>

EditingPanel::EditingPanel(QWidget* frmMain, AppContext& context)
    : QObject(frmMain),
      m_frmMain(frmMain),
      m_context(context),
      m_treeTRC(frmMain->findChild<TraceTreeView*>(QStringLiteral("TreeTRC")))
{
    connect(m_treeTRC, &TraceTreeView::nodeClicked, this, &EditingPanel::TreeTRC_NodeClick);
    connect(frmMain->findChild<QPushButton*>(QStringLiteral("cmdTranslate")), &QPushButton::clicked, this,
            &EditingPanel::cmdTranslate_Click);
    m_context.toggleTranslation = [this] { cmdTranslate_Click(); };
    m_context.translationOf = [this](const QString& name) { return m_translations.lookup(name); };
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
        const bool viaSearch =
            m_context.showChangeWindowViaSearch && m_context.showChangeWindowViaSearch(frmChange.get());
        if (!viaSearch)
            frmChange->exec();
    }
    const Status finished = ValueEditing::FinishValueChange(
        m_context.session, change, m_cmdLoadTag, [this](const QString& name) { return m_translations.lookup(name); });
    if (!finished)
        m_context.dialogs.message(mainCaption(), finished.error(), MessageIcon::Critical);
}

void EditingPanel::cmdTranslate_Click()
{
    // Switching rebuilds the view's rows; keep the user's place in the tree.
    const int current = m_treeTRC->currentNode();
    ToggleTranslation(m_context.session, m_translations,
                      m_context.programFiles.readFolder(QStringLiteral("\\Translations.csv")), m_context.dialogs);
    if (current > 0)
        m_treeTRC->selectNode(current);
}

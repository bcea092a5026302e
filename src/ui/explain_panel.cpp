#include "ui/explain_panel.h"

#include "coding/translation_table.h"
#include "common/dialogs.h"
#include "moduledata/module_choice.h"
#include "moduledata/module_explanation.h"
#include "settings/tool_folders.h"
#include "trace/trace_session.h"
#include "ui/controls.h"
#include "ui/frm_explain.h"
#include "ui/panel_context.h"
#include "ui/trace_tree_view.h"
#include "ui/window_requests.h"

#include <QAction>
#include <QMenu>

ExplainPanel::ExplainPanel(QWidget* frmMain, const PanelContext& context)
    : QObject(frmMain),
      m_frmMain(frmMain),
      m_context(context),
      m_treeTRC(requireChild<TraceTreeView>(frmMain, QStringLiteral("TreeTRC")))
{
    setObjectName(QStringLiteral("explainPanel"));
    auto* explain = new QAction(tr("E&xplain function…"), frmMain);
    explain->setObjectName(QStringLiteral("sEditExplain"));
    requireChild<QMenu>(frmMain, QStringLiteral("mEdit"))->addAction(explain);
    m_treeTRC->addAction(explain);
    m_treeTRC->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(explain, &QAction::triggered, this, &ExplainPanel::ExplainFunction_Click);
}

void ExplainPanel::ExplainFunction_Click()
{
    m_context.window.closeSearchWindow();
    Dialogs& dialogs = m_context.dialogs;
    TraceSession& session = m_context.session;
    const int node = session.treeVisible() ? m_treeTRC->currentNode() : 0;
    if (node == 0) {
        dialogs.message(mainCaption(), tr("Select a function in the tree first."), MessageIcon::Exclamation);
        return;
    }
    ModuleChoice& modules = m_context.modules;
    if (!modules.moduleChosen()) {
        dialogs.message(mainCaption(), tr("Select chassis and module first."), MessageIcon::Exclamation);
        return;
    }
    const Result<ModuleStructure>& module = modules.structure(m_context.folders.FolderNCS);
    if (!module) {
        dialogs.message(mainCaption(), module.error(), MessageIcon::Critical);
        return;
    }
    const TraceTree& tree = session.tree();
    const int function = tree.parentIndex(node) == 0 ? node : tree.parentIndex(node);
    TranslationTable& translations = m_context.translations;
    const Result<FunctionExplanation> explanation = ExplainTraceFunction(
        module.value(), modules.data, modules.search.MarkerDistance, tree.key(function), session.TraceLines,
        session.Translated ? NameLookup([&translations](const QString& name) { return translations.lookup(name); })
                           : NameLookup());
    if (!explanation) {
        dialogs.message(mainCaption(), explanation.error(), MessageIcon::Exclamation);
        return;
    }
    FrmExplain window(explanation.value(), modules.module, m_frmMain);
    window.exec();
}

#include "moduledata/possible_values_command.h"

#include "common/busy_state.h"
#include "common/dialogs.h"
#include "moduledata/module_data.h"
#include "moduledata/possible_values.h"
#include "moduledata/possible_values_tree.h"
#include "trace/trace_loader.h"
#include "trace/trace_session.h"

#include <QCoreApplication>

namespace {

void toggle(const std::function<void()>& toggleTranslation)
{
    if (toggleTranslation)
        toggleTranslation();
}

// Step "prepare the tree". Returns the failure text, empty on success.
QString prepareTree(TraceSession& session)
{
    TraceTree& tree = session.tree();
    TraceTree::Batch batch(tree);
    if (!session.ValuesShown) {
        // The changes made before stay chosen but no longer count as changes.
        if (session.ChangeCount >= 1) {
            for (int index = 1; index <= tree.count(); ++index)
                tree.setBold(index, false);
        }
        return {};
    }
    session.Translated = false;
    tree.clear();
    return BuildTraceTree(tree, session.TraceLines, nullptr);
}

} // namespace

void ShowPossibleValues(TraceSession& session, ModuleData* data, ValueSearchState& state, BusyState& busy,
                        Dialogs& dialogs, const std::function<void()>& toggleTranslation)
{
    if (!session.treeVisible() || session.TraceLines.isEmpty()) {
        dialogs.message(mainCaption(), QCoreApplication::translate("PossibleValues", "Load TRC-file first."),
                        MessageIcon::Exclamation);
        return;
    }
    if (!data || data->ModuleHex.isEmpty()) {
        dialogs.message(mainCaption(),
                        QCoreApplication::translate("PossibleValues", "Select chassis and module first."),
                        MessageIcon::Exclamation);
        return;
    }
    if (busy.isBusy())
        return;

    QString failure;
    {
        BusyScope busyScope(busy);
        const bool wasTranslated = session.Translated;
        failure = prepareTree(session);
        if (failure.isEmpty()) {
            if (session.Translated)
                toggle(toggleTranslation);
            session.ChangeCount = 0;
            session.ValuesShown = true;
            session.ValuesIncomplete = false;
            {
                TraceTree::Batch batch(session.tree());
                if (SearchPossibleValues(session.tree(), session.TraceLines, *data, state) > 0)
                    session.ValuesIncomplete = true;
            }
            session.showTree();
            if (wasTranslated)
                toggle(toggleTranslation);
        }
    }
    if (!failure.isEmpty()) {
        dialogs.message(mainCaption(), failure, MessageIcon::Critical);
        return;
    }
    if (session.ValuesIncomplete) {
        {
            TraceTree::Batch batch(session.tree());
            RemovePartialValues(session.tree());
        }
        dialogs.message(mainCaption(),
                        QCoreApplication::translate(
                            "PossibleValues", "Not all parameters are found.\r\nSelect the right chassis and module."),
                        MessageIcon::Exclamation);
    }
}

#include "trace/value_editing.h"

#include "trace/trace_session.h"
#include "trace/translation_text.h"

#include <QCoreApplication>

namespace ValueEditing {

ClickAction actionForClick(const TraceSession& session, int node, bool treeMouseDown)
{
    const TraceTree& tree = session.tree();
    if (!tree.isValid(node) || tree.color(node) == NodeColor::Red || !treeMouseDown)
        return ClickAction::None;
    if (tree.childCount(node) > 0 || tree.isRoot(node))
        return ClickAction::None;
    return session.ValuesShown ? ClickAction::ChooseListed : ClickAction::ChangeWindow;
}

bool isQuickChangeValue(const QString& value)
{
    return value == u"aktiv" || value == u"nicht_aktiv";
}

QString quickChanged(const QString& value)
{
    return value == u"aktiv" ? QStringLiteral("nicht_aktiv") : QStringLiteral("aktiv");
}

ValueChange BeginValueChange(TraceTree& tree, int node)
{
    ValueChange change;
    change.node = node;
    change.oldValue = TranslationText::plain(tree.text(node));
    change.function = TranslationText::plain(tree.text(tree.parentIndex(node)));
    change.quickChange = isQuickChangeValue(change.oldValue);
    tree.setColor(node, NodeColor::Blue);
    return change;
}

QString valueText(const TraceSession& session, const QString& value, const TranslationLookup& lookup)
{
    const QString translation = session.Translated && lookup ? lookup(value) : QString();
    return translation.isEmpty() ? value : TranslationText::withTranslation(value, translation, false);
}

Status FinishValueChange(TraceSession& session, const ValueChange& change, const QString& newValue,
                         const TranslationLookup& lookup)
{
    TraceTree& tree = session.tree();
    const int node = change.node;
    const int function = tree.parentIndex(node);
    if (!tree.isValid(node) || function == 0)
        return Status::failure(QCoreApplication::translate("TraceTree", "Element not found"));

    if (!newValue.isEmpty() && newValue != change.oldValue) {
        const QString loaded = tree.tag(node);
        if (loaded.isEmpty()) {
            tree.setTag(node, change.oldValue);
            tree.setBold(function, true);
            ++session.ChangeCount;
        } else if (loaded == newValue) {
            tree.setTag(node, QString());
            tree.setBold(function, false);
            --session.ChangeCount;
        }
        tree.setText(node, valueText(session, newValue, lookup));
    }
    tree.setColor(node, tree.color(function));
    return {};
}

void ChooseListedValue(TraceSession& session, int node)
{
    TraceTree& tree = session.tree();
    const int function = tree.parentIndex(node);
    if (function == 0 || tree.image(node) != NodeImage::None)
        return;

    const QList<int> values = tree.children(function);
    bool marked = false;
    for (int value : values) {
        if (tree.image(value) != NodeImage::Chosen)
            continue;
        tree.setImage(value, NodeImage::None);
        // Only the loaded value is replaced while the function is still unchanged.
        if (!tree.bold(function)) {
            marked = true;
            tree.setColor(value, NodeColor::Blue);
        }
    }
    if (marked) {
        tree.setImage(node, NodeImage::Chosen);
        tree.setBold(function, true);
        ++session.ChangeCount;
        return;
    }
    if (tree.color(node) != NodeColor::Blue) {
        tree.setImage(node, NodeImage::Chosen);
        return;
    }
    // Back to the loaded value.
    for (int value : values) {
        if (tree.color(value) == NodeColor::Blue) {
            tree.setColor(value, tree.color(function));
            tree.setImage(value, NodeImage::Chosen);
        }
    }
    tree.setBold(function, false);
    --session.ChangeCount;
}

} // namespace ValueEditing

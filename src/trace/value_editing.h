#pragma once

#include "common/result.h"

#include <QString>

#include <functional>

class TraceSession;
class TraceTree;

// Changing values in the trace tree. The tree records every change itself: the chosen
// values, the loaded value of a changed node (its tag in the normal view, the blue node
// in the Show-values view), the changed functions in bold, and ChangeCount. Choosing the
// loaded value again undoes a change.
namespace ValueEditing {

enum class ClickAction {
    None,         // not a value that can be edited
    ChangeWindow, // normal view: type a new value
    ChooseListed, // Show-values view: make this listed value the chosen one
};

// What a click on a node does. Red failure lines, function nodes and nodes with children
// are never edited, and neither is anything while no mouse button is down, so moving
// through the tree with the keyboard cannot change a value.
ClickAction actionForClick(const TraceSession& session, int node, bool treeMouseDown);

// "quick change" flips exactly these two values.
bool isQuickChangeValue(const QString& value);
QString quickChanged(const QString& value);

// What the change window starts from.
struct ValueChange {
    int node = 0;
    QString function; // plain name of the function
    QString oldValue; // plain value
    bool quickChange = false;
};

// Normal view, before the change window opens: the node shows blue while it is edited.
ValueChange BeginValueChange(TraceTree& tree, int node);

// The translation of a name, empty when it has none.
using TranslationLookup = std::function<QString(const QString& name)>;

// A value's node text: the value, with its translation while the tree shows translations.
QString valueText(const TraceSession& session, const QString& value, const TranslationLookup& lookup);

// Normal view, after the change window closed. newValue is the text confirmed with OK,
// empty when the window was cancelled. Fails when the node is gone.
Status FinishValueChange(TraceSession& session, const ValueChange& change, const QString& newValue,
                         const TranslationLookup& lookup);

// Show-values view: the listed value becomes the chosen one of its function.
void ChooseListedValue(TraceSession& session, int node);

} // namespace ValueEditing

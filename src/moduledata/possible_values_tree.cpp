#include "moduledata/possible_values_tree.h"

#include "trace/trace_tree.h"

void AddValueNode(TraceTree& tree, const QStringList& traceLines, const QString& name, int index)
{
    for (int child = tree.firstChild(index); child != 0; child = tree.nextSibling(child)) {
        if (tree.text(child) == name)
            return;
    }
    const int function = tree.indexOfKey(traceLines.value(index - 1));
    if (function == 0)
        return;
    // The function was just found, so a value can always be added below it.
    static_cast<void>(tree.addChild(function, name, NodeImage::None));
    tree.setSortChildren(function, true);
}

void MarkFunctionNotFound(TraceTree& tree, int index, const QString& description)
{
    if (!tree.isValid(index))
        return;
    tree.setImage(index, NodeImage::Warning);
    int line = index + 1;
    if (!tree.isValid(line) || tree.parentIndex(line) != index) {
        const Result<int> added = tree.addChild(index, QString(), NodeImage::Warning);
        if (!added)
            return;
        line = added.value();
    }
    tree.setText(line, description.toLower());
    tree.setColor(line, NodeColor::Red);
    tree.setImage(line, NodeImage::Warning);
}

void RemovePartialValues(TraceTree& tree)
{
    for (int index = tree.count(); index >= 1; --index) {
        const int parent = tree.parentIndex(index);
        if (parent != 0 && tree.childCount(index) == 0 && tree.image(index) != NodeImage::Warning
            && tree.image(parent) == NodeImage::Warning)
            tree.removeNode(index);
    }
}

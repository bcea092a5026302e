#pragma once

#include "trace/trace_tree.h"
#include "ui/trace_tree_view.h"

#include <QAbstractProxyModel>
#include <QTest>

// Clicks a node of the trace tree where the user would: on its row in the view.
inline bool clickNode(TraceTreeView* view, const TraceTree& tree, int node, Qt::MouseButton button = Qt::LeftButton)
{
    const auto* proxy = static_cast<const QAbstractProxyModel*>(view->model());
    const QRect rect = view->visualRect(proxy->mapFromSource(tree.modelIndex(node)));
    if (!rect.isValid())
        return false;
    QTest::mouseClick(view->viewport(), button, {}, rect.center());
    return true;
}

#include "ui/trace_tree_view.h"

#include "trace/trace_tree.h"
#include "ui/tree_icons.h"

#include <QBrush>
#include <QFont>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMouseEvent>

QVariant TraceTreeDisplayModel::data(const QModelIndex& index, int role) const
{
    switch (role) {
    case Qt::DecorationRole: return TreeIcons::icon(QIdentityProxyModel::data(index, TraceTree::ImageRole).toInt());
    case Qt::FontRole:
        if (QIdentityProxyModel::data(index, TraceTree::BoldRole).toBool()) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    case Qt::ForegroundRole:
        switch (static_cast<NodeColor>(QIdentityProxyModel::data(index, TraceTree::ColorRole).toInt())) {
        case NodeColor::Blue: return QBrush(QColor(0, 0, 255));
        case NodeColor::Red: return QBrush(QColor(255, 0, 0));
        case NodeColor::Normal: return {};
        }
        return {};
    case Qt::BackgroundRole:
        if (static_cast<NodeBackground>(QIdentityProxyModel::data(index, TraceTree::BackgroundRole).toInt())
            == NodeBackground::Yellow)
            return QBrush(QColor(255, 255, 0));
        return {};
    default: return QIdentityProxyModel::data(index, role);
    }
}

TraceTreeView::TraceTreeView(QWidget* parent) : QTreeView(parent)
{
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The tree stays fully expanded: a collapse is undone at once.
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) { expand(index); });
}

void TraceTreeView::setTraceTree(TraceTree* tree)
{
    m_tree = tree;
    m_display = new TraceTreeDisplayModel(this);
    m_display->setSourceModel(tree);
    setModel(m_display);
    connect(m_display, &QAbstractItemModel::modelReset, this, &QTreeView::expandAll);
    connect(m_display, &QAbstractItemModel::layoutChanged, this, &QTreeView::expandAll);
    connect(m_display, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& parent) {
        if (!parent.isValid()) {
            expandAll();
        } else {
            expand(parent);
        }
    });
}

void TraceTreeView::selectNode(int nodeIndex)
{
    if (!m_tree)
        return;
    const QModelIndex index = m_display->mapFromSource(m_tree->modelIndex(nodeIndex));
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    scrollTo(index);
}

int TraceTreeView::currentNode() const
{
    if (!m_tree)
        return 0;
    return m_tree->nodeIndex(m_display->mapToSource(currentIndex()));
}

void TraceTreeView::mousePressEvent(QMouseEvent* event)
{
    // Only the left button edits; the others select the value and nothing else.
    m_mouseDown = event->button() == Qt::LeftButton;
    QTreeView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && m_tree)
        emit nodeClicked(m_tree->nodeIndex(m_display->mapToSource(index)));
    // A modal window opened by the click swallows the release; without this the flag
    // would stay set and later keyboard moves would count as clicks.
    if (QGuiApplication::mouseButtons() == Qt::NoButton)
        m_mouseDown = false;
}

void TraceTreeView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeView::mouseReleaseEvent(event);
    m_mouseDown = false;
}

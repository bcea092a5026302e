#pragma once

#include <QIdentityProxyModel>
#include <QTreeView>

class TraceTree;

// Turns the tree's plain roles (image number, bold, colour names) into what a view paints.
class TraceTreeDisplayModel : public QIdentityProxyModel {
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override;
};

// TreeTRC: always fully expanded, and a value is edited only by a mouse click, never by
// moving the selection with the keyboard.
class TraceTreeView : public QTreeView {
    Q_OBJECT
public:
    explicit TraceTreeView(QWidget* parent = nullptr);

    void setTraceTree(TraceTree* tree);
    TraceTree* traceTree() const { return m_tree; }

    // True while a mouse button is held down over the tree.
    bool treeMouseDown() const { return m_mouseDown; }

    // Selects the node (1-based collection index) and scrolls it into view.
    void selectNode(int nodeIndex);
    int currentNode() const;

signals:
    // A node was clicked with the mouse (collection index); emitted while the button is
    // still down, as the tree's NodeClick.
    void nodeClicked(int nodeIndex);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TraceTree* m_tree = nullptr;
    TraceTreeDisplayModel* m_display = nullptr;
    bool m_mouseDown = false;
};

#pragma once

#include "common/result.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

// Node images of the tree's image list.
namespace NodeImage {
constexpr int None = 0;
constexpr int Chosen = 1;  // green ball: a loaded or chosen value, a function
constexpr int Spare = 2;   // orange-red ball
constexpr int Warning = 3; // yellow triangle: a function whose values were not found
} // namespace NodeImage

enum class NodeColor { Normal, Blue, Red };
enum class NodeBackground { Normal, Yellow };

// The one model of the loaded trace. Nodes are numbered from 1 in the order they were
// added (the collection order every feature walks); removing nodes renumbers the rest.
// Root nodes are functions with unique keys; their children are values. Display order
// (what the view shows, and what first-child / next-sibling follow) can be sorted;
// the collection order never changes with sorting.
class TraceTree : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Role {
        ImageRole = Qt::UserRole + 1,
        BoldRole,
        ColorRole,
        BackgroundRole,
        TagRole,
        NodeIndexRole,
    };

    explicit TraceTree(QObject* parent = nullptr);
    ~TraceTree() override;

    int count() const { return static_cast<int>(m_order.size()); }

    // Adds a function node; fails when the key is taken.
    Result<int> addRoot(const QString& key, const QString& text, int image);
    // Adds a value node as the last child (in collection order) of parentIndex.
    Result<int> addChild(int parentIndex, const QString& text, int image);
    // The index of the root node with this key, or 0.
    int indexOfKey(const QString& key) const;

    // Removes every node; numbering starts at 1 again.
    void clear();
    // Removes a node with all its children.
    void removeNode(int index);

    bool isValid(int index) const { return index >= 1 && index <= count(); }
    QString key(int index) const;
    QString text(int index) const;
    QString tag(int index) const;
    int image(int index) const;
    bool bold(int index) const;
    NodeColor color(int index) const;
    NodeBackground background(int index) const;
    bool expanded(int index) const;

    void setText(int index, const QString& text);
    void setTag(int index, const QString& tag);
    void setImage(int index, int image);
    void setBold(int index, bool bold);
    void setColor(int index, NodeColor color);
    void setBackground(int index, NodeBackground background);
    void setExpanded(int index, bool expanded);

    // 0 for a root node.
    int parentIndex(int index) const;
    bool isRoot(int index) const { return parentIndex(index) == 0; }
    int childCount(int index) const;
    // Children in display order, which is what first child / next sibling walk.
    QList<int> children(int index) const;
    int firstChild(int index) const;
    int nextSibling(int index) const;
    // Root nodes in display order.
    QList<int> roots() const;

    // The tree-wide sort switch: root nodes shown in alphabetical order.
    bool sorted() const { return m_sorted; }
    void setSorted(bool sorted);
    // A node whose children are shown sorted by text.
    void setSortChildren(int index, bool sorted);
    bool sortChildren(int index) const;

    QModelIndex modelIndex(int index) const;
    int nodeIndex(const QModelIndex& modelIndex) const;

    // Many changes at once (loading, showing values): one model reset instead of a
    // signal per node, which keeps large traces fast in the view.
    class Batch {
    public:
        explicit Batch(TraceTree& tree);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        TraceTree& m_tree;
    };

    // QAbstractItemModel
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    // A node's look or text changed (also sent inside a batch is not needed: the reset
    // covers it).
    void nodeChanged(int index);

private:
    struct Node;

    Node* node(int index) const;
    std::vector<Node*>& displayList(Node* parent);
    const std::vector<Node*>& displayList(const Node* parent) const;
    bool isSortedList(const Node* parent) const;
    void resortList(Node* parent);
    void renumberRows(std::vector<Node*>& list);
    void renumberIndices(std::size_t from);
    void changed(Node* n, int role);
    void beginBatch();
    void endBatch();

    std::vector<std::unique_ptr<Node>> m_order;
    std::vector<Node*> m_roots;
    QHash<QString, Node*> m_keys;
    bool m_sorted = false;
    int m_batchDepth = 0;
};

#include "trace/trace_tree.h"

#include <QCoreApplication>
#include <algorithm>

struct TraceTree::Node {
    int index = 0; // 1-based position in the collection
    int row = 0;   // position in the parent's display list
    Node* parent = nullptr;
    std::vector<Node*> children; // display order
    QString key;
    QString text;
    QString tag;
    int image = NodeImage::None;
    bool bold = false;
    bool expanded = false;
    bool sortChildren = false;
    NodeColor color = NodeColor::Normal;
    NodeBackground background = NodeBackground::Normal;
};

namespace {
bool displayLess(const QString& aText, int aIndex, const QString& bText, int bIndex)
{
    const int byText = aText.compare(bText, Qt::CaseInsensitive);
    if (byText != 0)
        return byText < 0;
    return aIndex < bIndex;
}
} // namespace

TraceTree::TraceTree(QObject* parent) : QAbstractItemModel(parent) {}

TraceTree::~TraceTree() = default;

TraceTree::Node* TraceTree::node(int index) const
{
    return isValid(index) ? m_order[static_cast<std::size_t>(index - 1)].get() : nullptr;
}

std::vector<TraceTree::Node*>& TraceTree::displayList(Node* parent)
{
    return parent ? parent->children : m_roots;
}

const std::vector<TraceTree::Node*>& TraceTree::displayList(const Node* parent) const
{
    return parent ? parent->children : m_roots;
}

bool TraceTree::isSortedList(const Node* parent) const
{
    return parent ? parent->sortChildren : m_sorted;
}

void TraceTree::renumberRows(std::vector<Node*>& list)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        list[i]->row = static_cast<int>(i);
}

void TraceTree::renumberIndices(std::size_t from)
{
    for (std::size_t i = from; i < m_order.size(); ++i)
        m_order[i]->index = static_cast<int>(i + 1);
}

void TraceTree::resortList(Node* parent)
{
    std::vector<Node*>& list = displayList(parent);
    const bool byText = isSortedList(parent);
    auto less = [byText](const Node* a, const Node* b) {
        return byText ? displayLess(a->text, a->index, b->text, b->index) : a->index < b->index;
    };
    if (std::is_sorted(list.begin(), list.end(), less))
        return;
    if (m_batchDepth > 0) {
        std::stable_sort(list.begin(), list.end(), less);
        renumberRows(list);
        return;
    }
    const QModelIndex parentModel = parent ? createIndex(parent->row, 0, parent) : QModelIndex();
    emit layoutAboutToBeChanged({QPersistentModelIndex(parentModel)});
    const QModelIndexList before = persistentIndexList();
    std::vector<Node*> persistentNodes;
    persistentNodes.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& idx : before)
        persistentNodes.push_back(static_cast<Node*>(idx.internalPointer()));
    std::stable_sort(list.begin(), list.end(), less);
    renumberRows(list);
    QModelIndexList after;
    after.reserve(before.size());
    for (std::size_t i = 0; i < persistentNodes.size(); ++i) {
        Node* n = persistentNodes[i];
        after.append(createIndex(n->row, before[static_cast<qsizetype>(i)].column(), n));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({QPersistentModelIndex(parentModel)});
}

Result<int> TraceTree::addRoot(const QString& key, const QString& text, int image)
{
    if (m_keys.contains(key))
        return Result<int>::failure(
            QCoreApplication::translate("TraceTree", "Key is not unique in collection: %1").arg(key));
    auto owned = std::make_unique<Node>();
    Node* n = owned.get();
    n->key = key;
    n->text = text;
    n->image = image;
    n->index = count() + 1;

    std::vector<Node*>& list = m_roots;
    auto position = list.end();
    if (m_sorted && m_batchDepth == 0)
        position = std::upper_bound(list.begin(), list.end(), n, [](const Node* a, const Node* b) {
            return displayLess(a->text, a->index, b->text, b->index);
        });
    const int row = static_cast<int>(position - list.begin());
    if (m_batchDepth == 0)
        beginInsertRows(QModelIndex(), row, row);
    m_order.push_back(std::move(owned));
    list.insert(list.begin() + row, n);
    m_keys.insert(key, n);
    if (m_batchDepth == 0) {
        renumberRows(list);
        endInsertRows();
    } else {
        n->row = row;
    }
    return n->index;
}

Result<int> TraceTree::addChild(int parentIndex, const QString& text, int image)
{
    Node* parent = node(parentIndex);
    if (!parent)
        return Result<int>::failure(QCoreApplication::translate("TraceTree", "Element not found"));
    auto owned = std::make_unique<Node>();
    Node* n = owned.get();
    n->text = text;
    n->image = image;
    n->parent = parent;
    n->index = count() + 1;

    std::vector<Node*>& list = parent->children;
    auto position = list.end();
    if (parent->sortChildren)
        position = std::upper_bound(list.begin(), list.end(), n, [](const Node* a, const Node* b) {
            return displayLess(a->text, a->index, b->text, b->index);
        });
    const int row = static_cast<int>(position - list.begin());
    if (m_batchDepth == 0)
        beginInsertRows(createIndex(parent->row, 0, parent), row, row);
    m_order.push_back(std::move(owned));
    list.insert(list.begin() + row, n);
    renumberRows(list);
    if (m_batchDepth == 0)
        endInsertRows();
    return n->index;
}

int TraceTree::indexOfKey(const QString& key) const
{
    const Node* n = m_keys.value(key, nullptr);
    return n ? n->index : 0;
}

void TraceTree::clear()
{
    if (m_batchDepth == 0)
        beginResetModel();
    m_roots.clear();
    m_keys.clear();
    m_order.clear();
    if (m_batchDepth == 0)
        endResetModel();
}

void TraceTree::removeNode(int index)
{
    Node* n = node(index);
    if (!n)
        return;
    std::vector<Node*>& list = displayList(n->parent);
    const int row = n->row;
    if (m_batchDepth == 0)
        beginRemoveRows(n->parent ? createIndex(n->parent->row, 0, n->parent) : QModelIndex(), row, row);

    // Collect the subtree, then drop it from the collection in one pass.
    std::vector<Node*> doomed{n};
    for (std::size_t i = 0; i < doomed.size(); ++i)
        doomed.insert(doomed.end(), doomed[i]->children.begin(), doomed[i]->children.end());
    std::sort(doomed.begin(), doomed.end());
    list.erase(list.begin() + row);
    renumberRows(list);
    if (!n->key.isEmpty() || !n->parent)
        m_keys.remove(n->key);
    const std::size_t firstGone = static_cast<std::size_t>(index - 1);
    m_order.erase(std::remove_if(m_order.begin(), m_order.end(),
                                 [&doomed](const std::unique_ptr<Node>& p) {
                                     return std::binary_search(doomed.begin(), doomed.end(), p.get());
                                 }),
                  m_order.end());
    renumberIndices(firstGone);
    if (m_batchDepth == 0)
        endRemoveRows();
}

QString TraceTree::key(int index) const
{
    const Node* n = node(index);
    return n ? n->key : QString();
}

QString TraceTree::text(int index) const
{
    const Node* n = node(index);
    return n ? n->text : QString();
}

QString TraceTree::tag(int index) const
{
    const Node* n = node(index);
    return n ? n->tag : QString();
}

int TraceTree::image(int index) const
{
    const Node* n = node(index);
    return n ? n->image : NodeImage::None;
}

bool TraceTree::bold(int index) const
{
    const Node* n = node(index);
    return n && n->bold;
}

NodeColor TraceTree::color(int index) const
{
    const Node* n = node(index);
    return n ? n->color : NodeColor::Normal;
}

NodeBackground TraceTree::background(int index) const
{
    const Node* n = node(index);
    return n ? n->background : NodeBackground::Normal;
}

bool TraceTree::expanded(int index) const
{
    const Node* n = node(index);
    return n && n->expanded;
}

void TraceTree::changed(Node* n, int role)
{
    if (m_batchDepth > 0)
        return;
    const QModelIndex idx = createIndex(n->row, 0, n);
    emit dataChanged(idx, idx, {role});
    emit nodeChanged(n->index);
}

void TraceTree::setText(int index, const QString& text)
{
    Node* n = node(index);
    if (!n || n->text == text)
        return;
    n->text = text;
    changed(n, Qt::DisplayRole);
    if (isSortedList(n->parent))
        resortList(n->parent);
}

void TraceTree::setTag(int index, const QString& tag)
{
    if (Node* n = node(index); n && n->tag != tag) {
        n->tag = tag;
        changed(n, TagRole);
    }
}

void TraceTree::setImage(int index, int image)
{
    if (Node* n = node(index); n && n->image != image) {
        n->image = image;
        changed(n, ImageRole);
    }
}

void TraceTree::setBold(int index, bool bold)
{
    if (Node* n = node(index); n && n->bold != bold) {
        n->bold = bold;
        changed(n, BoldRole);
    }
}

void TraceTree::setColor(int index, NodeColor color)
{
    if (Node* n = node(index); n && n->color != color) {
        n->color = color;
        changed(n, ColorRole);
    }
}

void TraceTree::setBackground(int index, NodeBackground background)
{
    if (Node* n = node(index); n && n->background != background) {
        n->background = background;
        changed(n, BackgroundRole);
    }
}

void TraceTree::setExpanded(int index, bool expanded)
{
    if (Node* n = node(index))
        n->expanded = expanded;
}

int TraceTree::parentIndex(int index) const
{
    const Node* n = node(index);
    return n && n->parent ? n->parent->index : 0;
}

int TraceTree::childCount(int index) const
{
    const Node* n = node(index);
    return n ? static_cast<int>(n->children.size()) : 0;
}

QList<int> TraceTree::children(int index) const
{
    QList<int> result;
    if (const Node* n = node(index)) {
        result.reserve(static_cast<qsizetype>(n->children.size()));
        for (const Node* c : n->children)
            result.append(c->index);
    }
    return result;
}

int TraceTree::firstChild(int index) const
{
    const Node* n = node(index);
    return n && !n->children.empty() ? n->children.front()->index : 0;
}

int TraceTree::nextSibling(int index) const
{
    const Node* n = node(index);
    if (!n)
        return 0;
    const std::vector<Node*>& list = displayList(n->parent);
    const std::size_t next = static_cast<std::size_t>(n->row) + 1;
    return next < list.size() ? list[next]->index : 0;
}

QList<int> TraceTree::roots() const
{
    QList<int> result;
    result.reserve(static_cast<qsizetype>(m_roots.size()));
    for (const Node* n : m_roots)
        result.append(n->index);
    return result;
}

void TraceTree::setSorted(bool sorted)
{
    if (m_sorted == sorted)
        return;
    m_sorted = sorted;
    resortList(nullptr);
}

void TraceTree::setSortChildren(int index, bool sorted)
{
    Node* n = node(index);
    if (!n || n->sortChildren == sorted)
        return;
    n->sortChildren = sorted;
    resortList(n);
}

bool TraceTree::sortChildren(int index) const
{
    const Node* n = node(index);
    return n && n->sortChildren;
}

QModelIndex TraceTree::modelIndex(int index) const
{
    Node* n = node(index);
    return n ? createIndex(n->row, 0, n) : QModelIndex();
}

int TraceTree::nodeIndex(const QModelIndex& modelIndex) const
{
    if (!modelIndex.isValid() || modelIndex.model() != this)
        return 0;
    return static_cast<const Node*>(modelIndex.internalPointer())->index;
}

void TraceTree::beginBatch()
{
    if (m_batchDepth++ == 0)
        beginResetModel();
}

void TraceTree::endBatch()
{
    if (--m_batchDepth > 0)
        return;
    // Display lists were appended to without sorting; put them in order once.
    resortList(nullptr);
    for (const auto& n : m_order)
        if (!n->children.empty())
            resortList(n.get());
    renumberRows(m_roots);
    endResetModel();
}

TraceTree::Batch::Batch(TraceTree& tree) : m_tree(tree)
{
    m_tree.beginBatch();
}

TraceTree::Batch::~Batch()
{
    m_tree.endBatch();
}

QModelIndex TraceTree::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return {};
    const Node* p = parent.isValid() ? static_cast<const Node*>(parent.internalPointer()) : nullptr;
    const std::vector<Node*>& list = displayList(p);
    if (static_cast<std::size_t>(row) >= list.size())
        return {};
    return createIndex(row, 0, list[static_cast<std::size_t>(row)]);
}

QModelIndex TraceTree::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return {};
    const Node* n = static_cast<const Node*>(child.internalPointer());
    if (!n->parent)
        return {};
    return createIndex(n->parent->row, 0, n->parent);
}

int TraceTree::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    const Node* p = parent.isValid() ? static_cast<const Node*>(parent.internalPointer()) : nullptr;
    return static_cast<int>(displayList(p).size());
}

int TraceTree::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant TraceTree::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Node* n = static_cast<const Node*>(index.internalPointer());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return n->text;
    case ImageRole: return n->image;
    case BoldRole: return n->bold;
    case ColorRole: return static_cast<int>(n->color);
    case BackgroundRole: return static_cast<int>(n->background);
    case TagRole: return n->tag;
    case NodeIndexRole: return n->index;
    default: return {};
    }
}

QHash<int, QByteArray> TraceTree::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractItemModel::roleNames();
    names.insert(ImageRole, "image");
    names.insert(BoldRole, "bold");
    names.insert(ColorRole, "color");
    names.insert(BackgroundRole, "background");
    names.insert(TagRole, "tag");
    names.insert(NodeIndexRole, "nodeIndex");
    return names;
}

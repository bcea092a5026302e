#pragma once

#include "trace/trace_tree.h"

#include <QObject>
#include <QStringList>
#include <QStringListModel>

// The loaded trace and the "NCS coding" frame's output area: the tree, the general output
// list (listItems) that takes the tree's place to show results, and the form variables
// that belong to the trace. Core operations change it; the window only mirrors it.
class TraceSession : public QObject {
    Q_OBJECT
public:
    explicit TraceSession(QObject* parent = nullptr);

    TraceTree& tree() { return m_tree; }
    const TraceTree& tree() const { return m_tree; }

    // listItems: the program's general output list.
    QStringListModel& listItemsModel() { return m_listItems; }
    QStringList listItems() const { return m_listItems.stringList(); }
    void setListItems(const QStringList& items) { m_listItems.setStringList(items); }
    void addListItem(const QString& item);
    void clearListItems() { m_listItems.setStringList({}); }

    // Exactly one of TreeTRC and listItems is visible; the tree is hidden until a load.
    bool treeVisible() const { return m_treeVisible; }
    void showTree();
    void showList();

    QStringList TraceLines;
    bool DefaultTraceLoaded = false;
    int ChangeCount = 0;
    bool ValuesShown = false;
    bool Translated = false;
    bool ValuesIncomplete = false;

signals:
    void treeVisibleChanged(bool treeVisible);

private:
    TraceTree m_tree;
    QStringListModel m_listItems;
    bool m_treeVisible = false;
};

#include "trace/trace_session.h"

TraceSession::TraceSession(QObject* parent) : QObject(parent) {}

void TraceSession::addListItem(const QString& item)
{
    const int row = m_listItems.rowCount();
    m_listItems.insertRows(row, 1);
    m_listItems.setData(m_listItems.index(row), item);
}

void TraceSession::showTree()
{
    if (m_treeVisible)
        return;
    m_treeVisible = true;
    emit treeVisibleChanged(true);
}

void TraceSession::showList()
{
    if (!m_treeVisible)
        return;
    m_treeVisible = false;
    emit treeVisibleChanged(false);
}

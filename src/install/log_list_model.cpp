#include "install/log_list_model.h"

int LogListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant LogListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole)
        return m_lines.at(index.row());
    return {};
}

void LogListModel::flush()
{
    if (m_pending.isEmpty())
        return;
    const int first = static_cast<int>(m_lines.size());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(m_pending.size()) - 1);
    m_lines += m_pending;
    m_pending.clear();
    endInsertRows();
}

void LogListModel::clear()
{
    beginResetModel();
    m_lines.clear();
    m_pending.clear();
    endResetModel();
}

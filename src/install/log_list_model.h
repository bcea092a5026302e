#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The lines of listCopy. A run adds tens of thousands of lines one by one; they are
// collected and handed to the view in batches (flush), so the view lays out and paints
// once per batch instead of once per line.
class LogListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void append(const QString& line) { m_pending.append(line); }
    // Shows the collected lines.
    void flush();
    void clear();

    // Every line, shown or still collected.
    qsizetype lineCount() const { return m_lines.size() + m_pending.size(); }
    QStringList lines() const { return m_lines + m_pending; }

private:
    QStringList m_lines;
    QStringList m_pending;
};

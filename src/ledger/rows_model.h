#pragma once

#include "ledger/entry_queries.h"

#include <QAbstractTableModel>
#include <QHash>

// A read-only table over rows already read, for the entry page's two lists. Every
// reload is one model reset, so the grid re-applies its column settings and sums once.
class RowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(QueryRows rows);
    const QueryRows &rows() const { return m_rows; }
    // The raw value under a heading, invalid when there is no such row or column.
    QVariant value(int row, const QString &heading) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // A heading shown instead of the column's name (which stays its field name); kept
    // across reloads.
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                       int role = Qt::EditRole) override;

private:
    QueryRows m_rows;
    QHash<int, QString> m_shownHeadings;
};

#include "ledger/rows_model.h"

#include "ledger/field_role.h"

void RowsModel::setRows(QueryRows rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

QVariant RowsModel::value(int row, const QString &heading) const {
    const qsizetype column = m_rows.headings.indexOf(heading);
    if (row < 0 || row >= m_rows.rows.size() || column < 0)
        return {};
    return m_rows.rows.at(row).value(column);
}

int RowsModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rows.rows.size());
}

int RowsModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rows.headings.size());
}

QVariant RowsModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return m_rows.rows.value(index.row()).value(index.column());
}

QVariant RowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != FieldNameRole))
        return {};
    if (role == Qt::DisplayRole && m_shownHeadings.contains(section))
        return m_shownHeadings.value(section);
    return m_rows.headings.value(section);
}

bool RowsModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                              int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount() ||
        (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    m_shownHeadings.insert(section, value.toString());
    emit headerDataChanged(orientation, section, section);
    return true;
}

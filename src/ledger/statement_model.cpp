#include "ledger/statement_model.h"

#include "ledger/field_role.h"
#include "store/database.h"
#include "store/dates.h"

#include <algorithm>

StatementModel::StatementModel(Database &db, QObject *parent)
    : QAbstractTableModel(parent), m_db(db), m_headings(StatementQueries::headings()),
      m_blocks(64) {}

void StatementModel::query(const StatementFilter &filter) {
    StatementEntries found = StatementQueries::entries(m_db, filter);
    beginResetModel();
    m_filter = filter;
    m_entries = std::move(found);
    m_blocks.clear();
    m_names.reset();
    endResetModel();
}

const QList<QVariantList> *StatementModel::block(int number) const {
    if (const QList<QVariantList> *cached = m_blocks.object(number))
        return cached;
    const size_t first = size_t(number) * BlockRows;
    const size_t count = std::min<size_t>(BlockRows, m_entries.ids.size() - first);
    auto *rows = new QList<QVariantList>;
    try {
        *rows = StatementQueries::rows(m_db, std::span(m_entries.ids).subspan(first, count));
    } catch (const DbError &) {
        // Painting cannot report a failure; the rows show empty and are read again
        // when next shown.
        delete rows;
        return nullptr;
    }
    m_blocks.insert(number, rows);
    return rows;
}

QVariantList StatementModel::widestValues(int column) const {
    if (!m_filter || m_entries.ids.empty())
        return {};
    switch (column) {
    case 0: {
        QVariantList dates{Dates::canonical(m_filter->from)};
        if (!m_entries.timedDate.isEmpty())
            dates << m_entries.timedDate;
        return dates;
    }
    case 4:
        return {m_entries.lowestAmount, m_entries.highestAmount};
    case 1:
    case 2:
    case 3: {
        if (!m_names)
            m_names = StatementQueries::names(m_db, *m_filter);
        QVariantList values;
        for (const QVariantList &row : m_names->rows)
            values << row.value(column - 1);
        return values;
    }
    default:
        return {};
    }
}

int StatementModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_entries.ids.size());
}

int StatementModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_headings.size());
}

QVariant StatementModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole || index.row() >= rowCount())
        return {};
    const QList<QVariantList> *rows = block(index.row() / BlockRows);
    if (!rows)
        return {};
    return rows->value(index.row() % BlockRows).value(index.column());
}

QVariant StatementModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != FieldNameRole))
        return {};
    return m_headings.value(section);
}

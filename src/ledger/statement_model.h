#pragma once

#include "ledger/statement_queries.h"

#include <QAbstractTableModel>
#include <QCache>
#include <optional>

class Database;

// The statement list: the entries the last query found, read a block of rows at a time
// as they are shown or printed, so a statement of any length opens at once. The five
// columns are there before the first query too (an empty list with its headings).
class StatementModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StatementModel(Database &db, QObject *parent = nullptr);

    // Runs the statement and shows what it found.
    void query(const StatementFilter &filter);
    // The filter of the last query; nothing before the first.
    const std::optional<StatementFilter> &filter() const { return m_filter; }
    const StatementEntries &entries() const { return m_entries; }

    // Raw values at least as wide, once shown, as any value of the column: for widths
    // that fit the whole statement without reading every row. Reads the books for the
    // name columns.
    QVariantList widestValues(int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static constexpr int BlockRows = 128;

private:
    const QList<QVariantList> *block(int number) const;

    Database &m_db;
    QStringList m_headings;
    std::optional<StatementFilter> m_filter;
    StatementEntries m_entries;
    // The blocks read lately; a long statement keeps only these in memory.
    mutable QCache<int, QList<QVariantList>> m_blocks;
    mutable std::optional<QueryRows> m_names; // read once per query, when asked for
};

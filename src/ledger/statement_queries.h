#pragma once

#include "ledger/entry_queries.h"
#include "store/entry_kind.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <vector>

class Database;

// What the statement lists: one kind of entry over a period, for every member or one.
struct StatementFilter {
    QDate from;
    QDate to; // inclusive, whatever the time of day of an entry on it
    EntryKind kind = EntryKind::Income;
    QString member; // empty: every member
};

// The entries a statement found, in statement order, with what the widest values of its
// date and amount columns are (for column widths without reading every row).
struct StatementEntries {
    std::vector<qint64> ids;
    qint64 lowestAmount = 0; // raw ten-thousandths; 0 when nothing was found
    qint64 highestAmount = 0;
    QString timedDate; // the stored text of an entry date with a time of day, if any
};

// Everything the statement page asks of the books.
namespace StatementQueries {

// 日期 项目 用户 账户 金额: the list's columns, in order.
QStringList headings();

// The member box's names, in the order the members were made.
QStringList memberNames(Database &db);

// The statement's entries by date (entries of one day by amount, then as made). Read
// straight from the index, so a statement of half a million entries is found at once
// and its rows are read as they are shown.
StatementEntries entries(Database &db, const StatementFilter &filter);

// The rows of the given entries in the given order, with the columns of headings();
// raw values (dates as stored text, amounts in ten-thousandths). An entry deleted since
// the statement was found gives a row of nulls.
QList<QVariantList> rows(Database &db, std::span<const qint64> ids);

// Every distinct (项目, 用户, 账户) of the statement's entries: the names the columns
// must make room for.
QueryRows names(Database &db, const StatementFilter &filter);

} // namespace StatementQueries

#pragma once

#include "ledger/entry_queries.h"
#include "store/entry_kind.h"

#include <QDate>
#include <QDateTime>

class Database;

// The journal report: income and expense totals by day, and the entries of one day.
namespace JournalReport {

// Rebuilds the scratch table s_ls from the entries of the period (both days included)
// and reads it back merged by day, oldest first: x_d (the day), a (income total), b
// (expense total). A day without one kind has NULL there, and so has a total beyond the
// currency range, which sets sumOutOfRange. Rebuilding and reading are one transaction,
// so another refresh cannot mix its rows in. A from-day after the to-day gives no rows.
QueryRows dayTotals(Database &db, const QDate &from, const QDate &to);

// The entries of one kind at exactly this date and time, in the order they were made:
// 项目 收付款人 金额 账户 备注.
QueryRows dayEntries(Database &db, EntryKind kind, const QDateTime &day);

} // namespace JournalReport

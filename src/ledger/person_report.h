#pragma once

#include "ledger/entry_queries.h"
#include "store/money.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

class Database;

// The person report: income and expense by member and calendar month. Every call
// rebuilds the scratch table s_renls from the entries of its period (both days
// included) and reads it back in the same transaction, so another refresh cannot mix
// its rows in. A member is matched by exact name; no member means every member.
namespace PersonReport {

// sname sdate s_s s_z yu: one row per member and month ("YYYY-MM") that has entries,
// members in the order of the member table (entries without a member last), months
// ascending. s_s and s_z are NULL where the month has no entry of that kind; yu is s_s
// minus s_z with a missing side counted as 0. A total beyond the currency range is NULL,
// and so is its row's yu (as is a difference beyond it); sumOutOfRange says so.
QueryRows monthlyList(Database &db, const QDate &from, const QDate &to,
                      const std::optional<QString> &member);

struct MonthTotals {
    QString month; // "YYYY-MM"
    std::optional<Money> income;
    std::optional<Money> expense;
    bool outOfRange = false; // a figure is empty because its total left the currency range
};
// The chart's figures: one entry per month with entries, summed over the member(s),
// months ascending. A total beyond the currency range is empty, so the chart draws no
// bar for it (a bar of an approximate height would pass for a real figure).
std::vector<MonthTotals> monthlyChart(Database &db, const QDate &from, const QDate &to,
                                      const std::optional<QString> &member);

// The member box's names: every member, in the order of the member table.
QStringList memberNames(Database &db);

} // namespace PersonReport

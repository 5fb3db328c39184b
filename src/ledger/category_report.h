#pragma once

#include "ledger/entry_queries.h"
#include "store/entry_kind.h"

#include <QDate>
#include <QString>

class Database;

// The category report: totals of a period by top-level category, and by the
// second-level categories of one of them. Both days of the period are included; rows
// come largest amount first, equal amounts by name. A total beyond the currency range
// keeps its place by its approximate size, but its 金额 is NULL and sumOutOfRange is set.
namespace CategoryReport {

// 项目 金额: the entries of the kind, by the top-level category they are filed under.
QueryRows categoryTotals(Database &db, const QDate &from, const QDate &to, EntryKind kind);

// 项目 金额: the entries under the top-level category of that name, of either kind, by
// second-level category. Names are unique over all categories, ignoring case.
QueryRows detailTotals(Database &db, const QDate &from, const QDate &to, const QString &topName);

} // namespace CategoryReport

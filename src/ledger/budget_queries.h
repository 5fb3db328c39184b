#pragma once

#include "store/money.h"

#include <QString>
#include <optional>
#include <vector>

class Database;

// One line of the month comparison: what a top-level expense category spent in the month
// beside its monthly budget.
struct BudgetComparisonRow {
    QString category;
    std::optional<Money> spent;  // empty when every entry of the month lacks an amount
    std::optional<Money> budget; // empty until the household sets one
    QString remark;
    bool spentOutOfRange = false; // the month's sum left the currency range: spent is empty
};

// The categories that both have a budget row and have expense entries in the month, in
// the order of their budget rows. Year and month are taken as given. Throws DbError.
std::vector<BudgetComparisonRow> budgetComparison(Database &db, int year, int month);

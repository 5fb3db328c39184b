#include "bench_operation.h"
#include "ledger/budget_queries.h"
#include "store/database.h"

// The budget page's comparison, as "刷新" runs it: one month of expense entries summed
// per top-level category beside its budget.
std::vector<BenchOperation> categoryOperations(Database &db) {
    return {
        {QStringLiteral("budget comparison (one month)"), [&db] { budgetComparison(db, 2026, 6); }},
    };
}

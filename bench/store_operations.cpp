#include "ledger/account_totals.h"
#include "bench_operation.h"
#include "store/database.h"

std::vector<BenchOperation> storeOperations(Database &db) {
    return {
        {QStringLiteral("RecalcAccountTotals"), [&db] { RecalcAccountTotals(db); }},
    };
}

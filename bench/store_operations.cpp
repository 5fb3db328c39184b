#include "bench_operation.h"
#include "ledger/account_totals.h"
#include "store/database.h"

std::vector<BenchOperation> storeOperations(Database &db) {
    return {
        {QStringLiteral("RecalcAccountTotals"), [&db] { RecalcAccountTotals(db); }},
    };
}

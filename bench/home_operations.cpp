#include "bench_operation.h"
#include "ledger/home_summary.h"
#include "store/database.h"

std::vector<BenchOperation> homeOperations(Database &db) {
    return {
        {QStringLiteral("home page refresh"),
         [&db] {
             db.scalar(QStringLiteral("select daytxt from sys_sys"));
             computeHomeSummary(db, QDate(2026, 12, 9));
         }},
    };
}

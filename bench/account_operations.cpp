#include "bench_operation.h"
#include "ledger/account_queries.h"
#include "ledger/batch_table_model.h"
#include "ledger/loan_queries.h"
#include "ledger/tidy.h"
#include "ledger/transfer_queries.h"
#include "store/database.h"

#include <memory>

std::vector<BenchOperation> accountOperations(Database &db) {
    auto accounts = std::make_shared<BatchTableModel>(db);
    AccountQueries::configureAccountList(*accounts);
    auto transfers = std::make_shared<BatchTableModel>(db);
    TransferQueries::configureTransfers(*transfers);
    auto loans = std::make_shared<BatchTableModel>(db);
    LoanQueries::configureLoans(*loans);
    return {
        // What the navigation item runs: tidy the entries, rebuild the totals, list.
        {QStringLiteral("accounts page entry"),
         [&db, accounts] {
             CleanEntries(db);
             AccountQueries::recalcAndLoad(db, *accounts);
         }},
        {QStringLiteral("accounts chart tab"),
         [&db, accounts] {
             AccountQueries::recalcAndLoad(db, *accounts);
             AccountQueries::readFigures(db);
         }},
        {QStringLiteral("transfers page query (month)"),
         [transfers] {
             TransferQueries::loadPeriod(*transfers, QDate(2026, 12, 1), QDate(2026, 12, 9));
         }},
        {QStringLiteral("loans page entry"),
         [loans] { LoanQueries::loadClass(*loans, QStringLiteral("S"), false); }},
    };
}

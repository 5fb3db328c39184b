#pragma once

#include "store/money.h"

#include <QString>
#include <optional>
#include <vector>

#include "ledger/batch_table_model.h"

class Database;

// The accounts list, its deletes and the figures behind its pie charts.
namespace AccountQueries {

// The names the loans and transfers pages offer in their account columns.
QString accountNamesSelect();

// The accounts grid: the select and how its columns are read and written.
QString accountListSelect();
void configureAccountList(BatchTableModel &model);

// What entering the accounts page does after the entries are tidied: the totals are
// rebuilt and the list read again (dropping unsaved edits). False when a total left the
// currency range and is shown empty.
bool recalcAndLoad(Database &db, BatchTableModel &model);

// An account with entries booked to it may not be deleted.
bool hasEntries(Database &db, qint64 accountId);
// Nor one that a loan or a transfer uses: their money would drop out of every balance.
bool hasLoansOrTransfers(Database &db, qint64 accountId);
// Saves the accounts list. Account names are unique ignoring case, as the entry page
// and the lists of names find an account by its name: a batch that would leave two of
// one name is refused whole, naming it.
BatchTableModel::SaveResult saveAccounts(Database &db, BatchTableModel &model);

// Deletes the account and rebuilds the totals, all or nothing.
void deleteAccount(Database &db, qint64 accountId);

// One account's figures as the charts read them; empty stays empty.
struct AccountFigures {
    QString name;
    std::optional<Money> balance;
    std::optional<Money> income;
    std::optional<Money> expense;
};
std::vector<AccountFigures> readFigures(Database &db);

enum class Figure { Balance, Income, Expense };

// A pie can only show positive shares: accounts whose figure is zero, negative or
// empty are left out and counted, so the chart can say so.
struct PieShares {
    std::vector<std::pair<QString, Money>> slices;
    int leftOut = 0;
};
PieShares pieShares(const std::vector<AccountFigures> &accounts, Figure figure);

} // namespace AccountQueries

#pragma once

#include <QtGlobal>

class Database;

// Fills a seeded database with a household's books: several members and accounts,
// a two-level category tree, loans, transfers and `entries` income and expense
// entries spread over the years up to `lastDay`. The same seed gives the same books.
struct LedgerShape {
    qint64 entries = 100000;
    quint64 seed = 1;
};

void generateLedger(Database &db, const LedgerShape &shape);

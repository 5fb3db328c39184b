#pragma once

class Database;

// Rebuilds the six cached totals and the balance of every account from the entries,
// loans and transfers, in one transaction: on failure the previous totals stay.
// Totals of an account without source rows become 0; a NULL starting amount gives a
// NULL balance; sums for accounts that no longer exist are ignored.
void RecalcAccountTotals(Database &db);

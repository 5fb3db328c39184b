#pragma once

class Database;

// Rebuilds the six cached totals and the balance of every account from the entries,
// loans and transfers, in one transaction: on failure the previous totals stay.
// Totals of an account without source rows become 0; a NULL starting amount gives a
// NULL balance; sums for accounts that no longer exist are ignored. A total or balance
// beyond the currency range (a file written elsewhere) is left empty instead of
// stopping the rebuild; false then, so the page can say so.
bool RecalcAccountTotals(Database &db);

#pragma once

struct sqlite3;

// Adds money_sum(x) to a connection: the exact sum of whole numbers, as sum() gives it,
// and NULL when there is nothing to sum; but where sum() stops the whole statement with
// "integer overflow", money_sum() gives the sum as a real number, which the program reads
// as "out of range" (Money::fromSum). So one account or category beyond the range leaves
// every other figure of the statement intact. False when it could not be added.
bool addMoneySum(sqlite3 *db);

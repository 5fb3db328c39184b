#pragma once

#include "ledger/entry_queries.h"

#include <QSqlQuery>

// Every row of a select, read to its end, with the select's column names as headings.
// The query is finished afterwards, so a transaction around it can commit.
QueryRows readAllRows(QSqlQuery query);

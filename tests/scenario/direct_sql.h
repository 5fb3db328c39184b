#pragma once

#include <QString>
#include <QStringList>

// Statements run on the database file beside the program, on a connection of their
// own that is opened for each call and closed again, so they work before the program
// starts and while it runs. Both throw StepFailure with the engine's text on an error.
namespace DirectSql {

// Runs one or more statements separated by semicolons.
void execute(const QString &databasePath, const QString &statements);

// The first column of every row the query returns; NULL as "NULL".
QStringList firstColumn(const QString &databasePath, const QString &query);

} // namespace DirectSql

#pragma once

#include "store/db_error.h"

#include <QString>

class QSqlError;

// The engine's primary result code behind an error (SQLite's code without the extended
// bits); 0 when there is none.
int engineCode(const QSqlError &error);

// What the user reads for an error of the engine. The errors a household meets in daily
// use (a read-only file or folder, a full disk, a damaged file, the file held by another
// copy of the program, a sum out of range) get a sentence in the program's language
// first and the engine's own words on the line below; any other error keeps the
// engine's words alone.
QString userTextOf(int code, const QString &engineText);

// The error to throw for a failed statement or connection.
DbError engineError(const QSqlError &error);

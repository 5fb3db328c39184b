#pragma once

#include "store/database.h"

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// A statement prepared once and run many times with new values, for loops that issue
// thousands of small statements. It runs on the engine's own interface over the
// program's connection (inside its transactions): through QtSql each run would cost
// more than the statement itself.
class RepeatedQuery {
public:
    RepeatedQuery(Database &db, const QString &sql);
    ~RepeatedQuery();
    RepeatedQuery(const RepeatedQuery &) = delete;
    RepeatedQuery &operator=(const RepeatedQuery &) = delete;

    // Binds the values (text, whole numbers, or NULL for an empty QVariant) and runs the
    // statement; throws DbError.
    void run(const Params &params);
    // Runs it and gives the first column of the first row: a whole number as qint64,
    // text as QString; an empty QVariant for NULL or when there is no row.
    QVariant scalar(const Params &params);

private:
    int step(const Params &params);

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statement = nullptr;
};

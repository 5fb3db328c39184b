#pragma once

#include "store/database.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>

// A statement prepared once and run many times with new values, for loops that issue
// thousands of small statements (preparing each anew would cost more than running it).
class RepeatedQuery {
public:
    RepeatedQuery(Database &db, const QString &sql);

    // Binds the values and runs the statement; throws DbError.
    void run(const Params &params);
    // Runs it and gives the first column of the first row (invalid when there is none).
    QVariant scalar(const Params &params);

private:
    QSqlQuery m_query;
};

#pragma once

#include "store/database.h"

#include <QByteArrayView>
#include <QString>

struct sqlite3_stmt;

// Reads the rows of a select straight from the engine. QSqlQuery makes a QVariant of
// every value, which is what a select of hundreds of thousands of rows spends its time
// on; this reads integers and text in place. The parameters are bound as for
// Database::select (integers, text, and what Param turns into those).
class RowScan {
public:
    // Prepares and binds; throws DbError when the engine refuses the statement.
    RowScan(Database &db, const QString &sql, const Params &params = {});
    ~RowScan();
    RowScan(const RowScan &) = delete;
    RowScan &operator=(const RowScan &) = delete;

    // Steps to the next row; false after the last. Throws DbError on a failed step.
    bool next();

    bool isNull(int column) const;
    qint64 integer(int column) const;
    // The value as UTF-8 text, valid until the next step.
    QByteArrayView utf8(int column) const;
    QString text(int column) const { return QString::fromUtf8(utf8(column)); }

private:
    sqlite3_stmt *m_stmt = nullptr;
};

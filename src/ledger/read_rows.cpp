#include "ledger/read_rows.h"

#include <QSqlRecord>

QueryRows readAllRows(QSqlQuery query) {
    QueryRows result;
    const QSqlRecord record = query.record();
    for (int c = 0; c < record.count(); ++c)
        result.headings << record.fieldName(c);
    while (query.next()) {
        QVariantList row;
        row.reserve(record.count());
        for (int c = 0; c < record.count(); ++c)
            row << query.value(c);
        result.rows << row;
    }
    query.finish();
    return result;
}

#include "store/repeated_query.h"

#include <QSqlError>

namespace {

DbError failure(const QSqlQuery &query) {
    const QSqlError error = query.lastError();
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return DbError(text.isEmpty() ? QStringLiteral("unknown database error") : text);
}

} // namespace

RepeatedQuery::RepeatedQuery(Database &db, const QString &sql) : m_query(db.connection()) {
    m_query.setForwardOnly(true);
    if (!m_query.prepare(sql))
        throw failure(m_query);
}

void RepeatedQuery::run(const Params &params) {
    for (const Param &p : params)
        m_query.bindValue(QLatin1Char(':') + p.name, p.value);
    if (!m_query.exec())
        throw failure(m_query);
}

QVariant RepeatedQuery::scalar(const Params &params) {
    run(params);
    QVariant value;
    if (m_query.next())
        value = m_query.value(0);
    m_query.finish();
    return value;
}

#include "store/repeated_query.h"

#include "store/sqlite_file.h"

#include <sqlite3.h>

RepeatedQuery::RepeatedQuery(Database &db, const QString &sql)
    : m_db(sqliteHandleOf(db.connection())) {
    if (!m_db)
        throw DbError(QStringLiteral("the connection is not an SQLite one"));
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &m_statement, nullptr) !=
        SQLITE_OK)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(m_db)));
}

RepeatedQuery::~RepeatedQuery() {
    sqlite3_finalize(m_statement);
}

int RepeatedQuery::step(const Params &params) {
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    for (const Param &p : params) {
        const QByteArray name = QByteArray(":") + p.name.toUtf8();
        const int at = sqlite3_bind_parameter_index(m_statement, name.constData());
        if (at == 0)
            throw DbError(QStringLiteral("no parameter %1").arg(p.name));
        int rc = SQLITE_OK;
        switch (p.value.metaType().id()) {
        case QMetaType::UnknownType:
            rc = sqlite3_bind_null(m_statement, at);
            break;
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Bool:
            rc = sqlite3_bind_int64(m_statement, at, p.value.toLongLong());
            break;
        case QMetaType::Double:
            rc = sqlite3_bind_double(m_statement, at, p.value.toDouble());
            break;
        default: {
            if (p.value.isNull()) {
                rc = sqlite3_bind_null(m_statement, at);
                break;
            }
            const QByteArray value = p.value.toString().toUtf8();
            rc = sqlite3_bind_text(m_statement, at, value.constData(), int(value.size()),
                                   SQLITE_TRANSIENT);
        }
        }
        if (rc != SQLITE_OK)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(m_db)));
    }
    const int rc = sqlite3_step(m_statement);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(m_db)));
    return rc;
}

void RepeatedQuery::run(const Params &params) {
    step(params);
    sqlite3_reset(m_statement);
}

QVariant RepeatedQuery::scalar(const Params &params) {
    QVariant value;
    if (step(params) == SQLITE_ROW) {
        switch (sqlite3_column_type(m_statement, 0)) {
        case SQLITE_INTEGER:
            value = qint64(sqlite3_column_int64(m_statement, 0));
            break;
        case SQLITE_FLOAT:
            value = sqlite3_column_double(m_statement, 0);
            break;
        case SQLITE_TEXT:
            value = QString::fromUtf8(
                reinterpret_cast<const char *>(sqlite3_column_text(m_statement, 0)),
                sqlite3_column_bytes(m_statement, 0));
            break;
        case SQLITE_BLOB:
            value = QByteArray(static_cast<const char *>(sqlite3_column_blob(m_statement, 0)),
                               sqlite3_column_bytes(m_statement, 0));
            break;
        default: // NULL
            break;
        }
    }
    sqlite3_reset(m_statement);
    return value;
}

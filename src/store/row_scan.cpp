#include "store/row_scan.h"

#include "store/sqlite_file.h"

#include <sqlite3.h>

namespace {

sqlite3 *engineHandle(Database &db) {
    sqlite3 *engine = sqliteHandleOf(db.connection());
    if (!engine)
        throw DbError(QStringLiteral("the books are not open"));
    return engine;
}

QString engineText(sqlite3 *engine) {
    return QString::fromUtf8(sqlite3_errmsg(engine));
}

void bind(sqlite3 *engine, sqlite3_stmt *stmt, const Param &param) {
    const QByteArray name = (QLatin1Char(':') + param.name).toUtf8();
    const int index = sqlite3_bind_parameter_index(stmt, name.constData());
    if (index == 0)
        throw DbError(QStringLiteral("no parameter %1 in the statement").arg(param.name));
    int rc = SQLITE_OK;
    switch (param.value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Bool:
        rc = sqlite3_bind_int64(stmt, index, param.value.toLongLong());
        break;
    default:
        if (param.value.isNull()) {
            rc = sqlite3_bind_null(stmt, index);
        } else {
            const QByteArray text = param.value.toString().toUtf8();
            rc = sqlite3_bind_text(stmt, index, text.constData(), int(text.size()),
                                   SQLITE_TRANSIENT);
        }
    }
    if (rc != SQLITE_OK)
        throw DbError(engineText(engine));
}

} // namespace

RowScan::RowScan(Database &db, const QString &sql, const Params &params) {
    sqlite3 *engine = engineHandle(db);
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(engine, text.constData(), int(text.size()), &m_stmt, nullptr) !=
        SQLITE_OK) {
        const QString reason = engineText(engine);
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw DbError(reason);
    }
    try {
        for (const Param &p : params)
            bind(engine, m_stmt, p);
    } catch (...) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw;
    }
}

RowScan::~RowScan() {
    sqlite3_finalize(m_stmt);
}

bool RowScan::next() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw DbError(engineText(sqlite3_db_handle(m_stmt)));
}

bool RowScan::isNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

qint64 RowScan::integer(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

QByteArrayView RowScan::utf8(int column) const {
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return QByteArrayView(text, sqlite3_column_bytes(m_stmt, column));
}

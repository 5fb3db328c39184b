#include "store/database.h"

#include "store/books_notifier.h"
#include "store/dates.h"
#include "store/engine_error.h"
#include "store/money_sum.h"
#include "store/schema.h"
#include "store/sqlite_file.h"
#include "store/vector_state.h"

#include <QFileInfo>
#include <QSqlError>
#include <QUrl>
#include <atomic>
#include <sqlite3.h>

namespace {

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("tallybee-%1").arg(++counter);
}

// What a failure of the engine while a file is opened says about the file.
OpenError::Reason openReason(int code) {
    switch (code) {
    case SQLITE_NOTADB:
        return OpenError::NotADatabase;
    case SQLITE_CORRUPT:
        return OpenError::Damaged;
    default:
        return OpenError::Unusable;
    }
}

OpenError openError(const DbError &e) {
    return OpenError(openReason(e.code()), e.text());
}

// The last page of every table is where a file cut short (a copy that stopped half-way)
// is broken; reading the last row of each costs a few pages, not a scan.
void probeEveryTable(Database &db, const QStringList &objects) {
    for (const QString &object : objects)
        if (object.startsWith(QLatin1String("table ")))
            db.scalar(QStringLiteral("select max(rowid) from \"%1\"").arg(object.mid(6)));
}

} // namespace

QStringList splitSqlScript(const QString &script) {
    QStringList statements;
    QString current;
    QChar quote;
    for (int i = 0; i < script.size(); ++i) {
        const QChar c = script[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('-') && i + 1 < script.size() &&
                   script[i + 1] == QLatin1Char('-')) {
            while (i < script.size() && script[i] != QLatin1Char('\n'))
                ++i;
            current += QLatin1Char('\n');
            continue;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            if (!current.trimmed().isEmpty())
                statements << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

Param::Param(const char *name, const QDate &day)
    : name(QString::fromUtf8(name)),
      value(day.isValid() ? QVariant(Dates::canonical(day)) : QVariant()) {}

Param::Param(const char *name, const QDateTime &moment)
    : name(QString::fromUtf8(name)),
      value(moment.isValid() ? QVariant(Dates::canonical(moment)) : QVariant()) {}

OpenError::OpenError(Reason reason, const QString &text, QStringList missing)
    : DbError(text), m_reason(reason), m_missing(std::move(missing)) {}

Database::Database(QSqlDatabase db, QString connectionName, QString path)
    : m_db(std::move(db)), m_connectionName(std::move(connectionName)), m_path(std::move(path)),
      m_notifier(std::make_unique<BooksNotifier>()) {}

Database::Database(Database &&other) noexcept
    : m_db(std::move(other.m_db)), m_connectionName(std::move(other.m_connectionName)),
      m_path(std::move(other.m_path)), m_notifier(std::move(other.m_notifier)) {
    other.m_db = QSqlDatabase();
    other.m_connectionName.clear();
}

Database &Database::operator=(Database &&other) noexcept {
    if (this != &other) {
        close();
        m_db = std::move(other.m_db);
        m_connectionName = std::move(other.m_connectionName);
        m_path = std::move(other.m_path);
        m_notifier = std::move(other.m_notifier);
        other.m_db = QSqlDatabase();
        other.m_connectionName.clear();
    }
    return *this;
}

Database::~Database() {
    close();
}

void Database::close() {
    if (m_connectionName.isEmpty())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
}

bool Database::isOpen() const {
    return !m_connectionName.isEmpty() && m_db.isOpen();
}

Database Database::open(const QString &path) {
    const QFileInfo info(path);
    if (!info.isFile())
        throw OpenError(OpenError::Missing, QStringLiteral("no database file at %1").arg(path));
    // SQLite takes an empty file for an empty database; it holds no books.
    if (info.size() == 0)
        throw OpenError(OpenError::NotADatabase, QStringLiteral("the file is empty"));

    const QString name = nextConnectionName();
    // No other handle to the connection may outlive `result`, or removing it warns.
    Database result(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name), name, path);
    // mode=rw: an existing file only; SQLite must never make an empty one here.
    result.m_db.setDatabaseName(
        QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded) +
        QStringLiteral("?mode=rw"));
    // Another copy of the program writing: wait for it this long before giving up.
    result.m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!result.m_db.open())
        throw openError(engineError(result.m_db.lastError()));
    clearVectorStateWhileRunning(sqliteHandleOf(result.m_db));
    result.addFunctions();

    int version = 0;
    QStringList objects;
    try {
        version = result.scalar(QStringLiteral("PRAGMA user_version")).toInt();
        objects = Schema::objectsOf(result);
    } catch (const DbError &e) {
        throw openError(e);
    }
    if (version > Schema::currentVersion())
        throw OpenError(OpenError::TooNew, QStringLiteral("database version %1 is newer than %2")
                                               .arg(version)
                                               .arg(Schema::currentVersion()));
    // What this file's version should hold; a later step may have added or removed
    // some of what the first schema had.
    const QStringList expected = Schema::expectedObjects(version);
    QStringList missing;
    for (const QString &object : expected)
        if (!objects.contains(object))
            missing << object.section(QLatin1Char(' '), 1);
    missing.sort();
    if (!missing.isEmpty())
        throw OpenError(OpenError::NotTallybee,
                        QStringLiteral("missing %1").arg(missing.join(QStringLiteral(", "))),
                        missing);
    try {
        probeEveryTable(result, expected);
        if (version < Schema::currentVersion())
            Schema::upgrade(result);
    } catch (const DbError &e) {
        throw openError(e);
    }
    return result;
}

Database Database::create(const QString &path) {
    const QString name = nextConnectionName();
    Database result(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name), name, path);
    result.m_db.setDatabaseName(path);
    if (!result.m_db.open())
        throw engineError(result.m_db.lastError());
    result.addFunctions();
    return result;
}

void Database::addFunctions() {
    if (!addMoneySum(sqliteHandleOf(m_db)))
        throw DbError(QStringLiteral("money_sum() could not be added to the connection"));
}

QSqlQuery Database::prepare(const QString &sql, const Params &params) {
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw engineError(query.lastError());
    for (const Param &p : params)
        query.bindValue(QLatin1Char(':') + p.name, p.value);
    if (!query.exec())
        throw engineError(query.lastError());
    return query;
}

int Database::exec(const QString &sql, const Params &params) {
    QSqlQuery query = prepare(sql, params);
    const int changed = query.numRowsAffected();
    query.finish();
    return changed;
}

QSqlQuery Database::select(const QString &sql, const Params &params) {
    return prepare(sql, params);
}

QVariant Database::scalar(const QString &sql, const Params &params) {
    QSqlQuery query = prepare(sql, params);
    QVariant value;
    if (query.next())
        value = query.value(0);
    query.finish();
    return value;
}

void Database::execScript(const QString &script) {
    for (const QString &statement : splitSqlScript(script)) {
        QSqlQuery query(m_db);
        if (!query.exec(statement)) {
            const DbError error = engineError(query.lastError());
            throw DbError(error.text() + QStringLiteral(" in: ") + statement, error.code());
        }
    }
}

Transaction::Transaction(Database &db) : m_db(db) {
    // A savepoint nests inside an outer transaction and acts as BEGIN when alone.
    m_db.exec(QStringLiteral("SAVEPOINT tallybee"));
}

Transaction::~Transaction() {
    if (m_done)
        return;
    try {
        m_db.exec(QStringLiteral("ROLLBACK TO tallybee"));
        m_db.exec(QStringLiteral("RELEASE tallybee"));
    } catch (const DbError &) {
        // Nothing more can be done while unwinding; SQLite ends the transaction itself
        // on the errors that make the rollback fail.
    }
}

void Transaction::commit() {
    m_db.exec(QStringLiteral("RELEASE tallybee"));
    m_done = true;
}

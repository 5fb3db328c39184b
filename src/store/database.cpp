#include "store/database.h"

#include "store/books_notifier.h"
#include "store/dates.h"
#include "store/schema.h"
#include "store/sqlite_file.h"
#include "store/vector_state.h"

#include <QFileInfo>
#include <QSqlError>
#include <QUrl>
#include <atomic>

namespace {

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("tallybee-%1").arg(++counter);
}

QString engineText(const QSqlError &error) {
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.isEmpty() ? QStringLiteral("unknown database error") : text;
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

OpenError::OpenError(Reason reason, const QString &engineText)
    : DbError(engineText), m_reason(reason) {}

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
    if (!QFileInfo(path).isFile())
        throw OpenError(OpenError::Missing, QStringLiteral("no database file at %1").arg(path));

    const QString name = nextConnectionName();
    // No other handle to the connection may outlive `result`, or removing it warns.
    Database result(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name), name, path);
    // mode=rw: an existing file only; SQLite must never make an empty one here.
    result.m_db.setDatabaseName(
        QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
        QStringLiteral("?mode=rw"));
    result.m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!result.m_db.open())
        throw OpenError(OpenError::NotADatabase, engineText(result.m_db.lastError()));
    clearVectorStateWhileRunning(sqliteHandleOf(result.m_db));

    int version = 0;
    try {
        version = result.scalar(QStringLiteral("PRAGMA user_version")).toInt();
        result.scalar(QStringLiteral("select count(*) from sqlite_master"));
    } catch (const DbError &e) {
        throw OpenError(OpenError::NotADatabase, e.text());
    }
    if (version > Schema::currentVersion())
        throw OpenError(OpenError::TooNew, QStringLiteral("database version %1 is newer than %2")
                                               .arg(version)
                                               .arg(Schema::currentVersion()));
    try {
        result.select(QStringLiteral("Select * from sys_sys"));
    } catch (const DbError &e) {
        throw OpenError(OpenError::NoSettings, e.text());
    }
    if (version < Schema::currentVersion())
        Schema::upgrade(result);
    return result;
}

Database Database::create(const QString &path) {
    const QString name = nextConnectionName();
    Database result(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name), name, path);
    result.m_db.setDatabaseName(path);
    if (!result.m_db.open())
        throw DbError(engineText(result.m_db.lastError()));
    return result;
}

QSqlQuery Database::prepare(const QString &sql, const Params &params) {
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw DbError(engineText(query.lastError()));
    for (const Param &p : params)
        query.bindValue(QLatin1Char(':') + p.name, p.value);
    if (!query.exec())
        throw DbError(engineText(query.lastError()));
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
        if (!query.exec(statement))
            throw DbError(engineText(query.lastError()) + QStringLiteral(" in: ") + statement);
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

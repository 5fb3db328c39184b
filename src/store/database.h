#pragma once

#include "store/db_error.h"
#include "store/entry_kind.h"
#include "store/money.h"

class BooksNotifier;

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <initializer_list>
#include <memory>
#include <vector>

// Splits a script into statements at semicolons outside quotes and "--" comments.
QStringList splitSqlScript(const QString &script);

// One named parameter. Dates and money are turned into their stored form here, so no
// caller ever binds a raw QDateTime (Qt would write it with a 'T' and milliseconds).
struct Param {
    Param(const char *name, const QString &value) : name(QString::fromUtf8(name)), value(value) {}
    Param(const char *name, const char *value)
        : name(QString::fromUtf8(name)), value(QString::fromUtf8(value)) {}
    Param(const char *name, int value) : name(QString::fromUtf8(name)), value(value) {}
    Param(const char *name, qint64 value) : name(QString::fromUtf8(name)), value(value) {}
    Param(const char *name, Money value) : name(QString::fromUtf8(name)), value(value.raw()) {}
    Param(const char *name, EntryKind kind)
        : name(QString::fromUtf8(name)), value(entryKindLetter(kind)) {}
    Param(const char *name, const QDate &day);
    Param(const char *name, const QDateTime &moment);
    Param(const char *name, const QVariant &value) : name(QString::fromUtf8(name)), value(value) {}

    QString name;
    QVariant value;
};
using Params = std::vector<Param>;

// Why the database file could not be opened.
class OpenError : public DbError {
public:
    enum Reason {
        Missing,      // no file at the path
        NotADatabase, // a file, but not an SQLite database (or an empty file)
        Damaged,      // an SQLite database the engine finds broken
        NotTallybee,  // a database without the tables and views of this program
        TooNew,       // written by a newer version of the program
        Unusable,     // any other failure of the engine (held by another copy, read-only)
    };
    OpenError(Reason reason, const QString &text, QStringList missing = {});
    Reason reason() const { return m_reason; }
    // For NotTallybee: the tables and views the file lacks.
    const QStringList &missing() const { return m_missing; }

private:
    Reason m_reason;
    QStringList m_missing;
};

// The program's one connection to its database file.
class Database {
public:
    // Opens an existing file read-write; never creates one. The file is checked first:
    // it must be an undamaged SQLite database holding every table and view of the first
    // schema, from this version of the program or an older one; an older one is brought
    // up to date. Throws OpenError saying which of these failed.
    static Database open(const QString &path);
    // Opens (and creates) a file for building a fresh database. Only the schema
    // builder uses this.
    static Database create(const QString &path);

    Database(Database &&other) noexcept;
    Database &operator=(Database &&other) noexcept;
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;
    ~Database();

    void close();
    bool isOpen() const;
    QString path() const { return m_path; }

    // Runs one statement that returns no rows; gives the number of rows changed.
    int exec(const QString &sql, const Params &params = {});
    // Runs one statement that returns rows, positioned before the first row.
    QSqlQuery select(const QString &sql, const Params &params = {});
    // The first column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString &sql, const Params &params = {});
    // Runs a script of several statements separated by semicolons (schema files).
    void execScript(const QString &script);

    QSqlDatabase &connection() { return m_db; }
    // Emits what changed after a commit (see BooksNotifier).
    BooksNotifier &notifier() const { return *m_notifier; }

private:
    Database(QSqlDatabase db, QString connectionName, QString path);
    // The program's own SQL functions (money_sum).
    void addFunctions();
    QSqlQuery prepare(const QString &sql, const Params &params);

    QSqlDatabase m_db;
    QString m_connectionName;
    QString m_path;
    std::unique_ptr<BooksNotifier> m_notifier;
};

// Rolls back unless committed, so a sequence that fails half-way leaves nothing behind.
class Transaction {
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    Database &m_db;
    bool m_done = false;
};

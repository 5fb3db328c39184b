#pragma once

#include "store/file_result.h"

#include <QString>
#include <QStringList>

struct sqlite3;
class QSqlDatabase;

// A raw SQLite connection to a file, closed on destruction. The backup and the check use
// the engine's own interface where QtSql has none (online backup, read-only opening of a
// file that must not be touched).
class SqliteFile {
public:
    enum Mode {
        ReadWrite, // an existing file only, never created
        Snapshot,  // read-only, and the file is taken as it lies: no locks, no journal
    };
    SqliteFile() = default;
    ~SqliteFile();
    SqliteFile(const SqliteFile &) = delete;
    SqliteFile &operator=(const SqliteFile &) = delete;

    // Opens path; on failure gives the engine's code and fills error.
    int open(const QString &path, Mode mode, QString *error);
    // Runs statements that return no rows.
    int exec(const char *sql, QString *error);
    // Closes; gives the engine's code (a failed close may mean unwritten pages).
    int close();
    sqlite3 *handle() const { return m_db; }
    QString lastError() const;

private:
    sqlite3 *m_db = nullptr;
};

// The engine's handle behind a QtSql connection, or nullptr when the driver is not SQLite.
sqlite3 *sqliteHandleOf(const QSqlDatabase &db);

// Removes the journal and write-ahead log of an SQLite file at path. A journal left
// beside a file that has been replaced would be played into the new one and damage it.
FileResult removeSqliteCompanions(const QString &path);
// The companion files of an SQLite file at path that exist.
QStringList existingSqliteCompanions(const QString &path);

#pragma once

#include <QMetaObject>

class Database;
struct sqlite3;

// Tells whether the books changed on one connection since it was opened: the rows of the
// household's tables written and committed, not the work the pages do for themselves.
// Scratch tables the reports refill, the cached account totals every visit rewrites and
// the remembered login are left out, so opening reports and logging in change nothing;
// a renamed account still counts, through the accounts list's notice after its save.
//
// SQLite reports each row written to the connection; a whole table emptied without a
// condition is not reported row by row, and the program empties only scratch tables so.
// Rows undone by rolling back to a savepoint still count when the transaction commits:
// the watch errs towards one copy too many, never one too few.
class EditWatch {
public:
    // Watches db from now on; db must stay open until this is destroyed.
    explicit EditWatch(Database &db);
    ~EditWatch();
    EditWatch(const EditWatch &) = delete;
    EditWatch &operator=(const EditWatch &) = delete;

    // Committed changes to the books seen so far.
    qint64 committedChanges() const { return m_committed; }
    bool booksChanged() const { return m_committed > 0; }

    // Whether a row written to this table is a change to the books.
    static bool isBooksChange(const char *table, bool isUpdate);

private:
    static void rowWritten(void *self, int operation, const char *database, const char *table,
                           long long rowId);
    static int committing(void *self);
    static void rolledBack(void *self);

    sqlite3 *m_handle = nullptr;
    qint64 m_pending = 0;
    qint64 m_committed = 0;
    QMetaObject::Connection m_accounts;
};

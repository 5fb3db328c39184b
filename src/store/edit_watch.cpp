#include "store/edit_watch.h"

#include "store/books_notifier.h"
#include "store/database.h"
#include "store/sqlite_file.h"

#include <QByteArray>
#include <sqlite3.h>

EditWatch::EditWatch(Database &db) : m_handle(sqliteHandleOf(db.connection())) {
    if (m_handle) {
        sqlite3_update_hook(m_handle, &EditWatch::rowWritten, this);
        sqlite3_commit_hook(m_handle, &EditWatch::committing, this);
        sqlite3_rollback_hook(m_handle, &EditWatch::rolledBack, this);
    }
    // A save of the accounts list updates z_zhanghu like the recomputation does; its
    // notice tells the two apart.
    m_accounts = QObject::connect(&db.notifier(), &BooksNotifier::accountsChanged,
                                  [this] { ++m_committed; });
}

EditWatch::~EditWatch() {
    QObject::disconnect(m_accounts);
    if (m_handle) {
        sqlite3_update_hook(m_handle, nullptr, nullptr);
        sqlite3_commit_hook(m_handle, nullptr, nullptr);
        sqlite3_rollback_hook(m_handle, nullptr, nullptr);
    }
}

bool EditWatch::isBooksChange(const char *table, bool isUpdate) {
    const QByteArray name = QByteArray(table).toLower();
    // Refilled by the reports and the recomputation on every run.
    if (name == "s_ls" || name == "s_renls" || name.startsWith("x_"))
        return false;
    // The remembered login, written at every login.
    if (name == "sys_sys")
        return false;
    // Updates of the accounts are the cached totals; added and deleted accounts count.
    if (name == "z_zhanghu" && isUpdate)
        return false;
    return true;
}

void EditWatch::rowWritten(void *self, int operation, const char *, const char *table, long long) {
    if (isBooksChange(table, operation == SQLITE_UPDATE))
        ++static_cast<EditWatch *>(self)->m_pending;
}

int EditWatch::committing(void *self) {
    auto *watch = static_cast<EditWatch *>(self);
    watch->m_committed += watch->m_pending;
    watch->m_pending = 0;
    return 0; // let the commit go ahead
}

void EditWatch::rolledBack(void *self) {
    static_cast<EditWatch *>(self)->m_pending = 0;
}

#include "ledger/category_store.h"

#include "ledger/tidy.h"
#include "store/database.h"

namespace CategoryStore {

bool isDefault(const QVariant &id) {
    if (id.isNull())
        return false;
    bool number = false;
    const qlonglong value = id.toLongLong(&number);
    return number && (value == 1 || value == 4);
}

void deleteTopLevel(Database &db, const QVariant &id) {
    Transaction transaction(db);
    const Params key{{"id", id}};
    db.exec(QStringLiteral("delete from s_fenlei where id=:id"), key);
    db.exec(QStringLiteral("delete from s_yushuan where f_id=:id"), key);
    db.exec(QStringLiteral("delete from s_fenlei where f_id=:id"), key);
    db.exec(QStringLiteral("delete from s_shouru where f_fenleiid in "
                           "(select id from s_fenlei where f_id=:id)"),
            key);
    // The sub-categories are already gone by now; their entries go with every other
    // entry whose category no longer exists.
    CleanEntries(db);
    transaction.commit();
}

void deleteSubCategory(Database &db, const QVariant &id) {
    Transaction transaction(db);
    const Params key{{"id", id}};
    db.exec(QStringLiteral("delete from s_fenlei where id=:id"), key);
    db.exec(QStringLiteral("delete from s_shouru where f_fenleiid=:id"), key);
    transaction.commit();
}

void addMissingBudgetRows(Database &db) {
    db.exec(QStringLiteral("insert into s_yushuan (f_id) select id from s_fenlei where f_id=0 "
                           "and f_class='Z' and id not in (select f_id from s_yushuan)"));
}

} // namespace CategoryStore

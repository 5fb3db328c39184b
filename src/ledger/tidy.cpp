#include "ledger/tidy.h"

#include "store/database.h"

void CleanEntries(Database &db) {
    // The category ids in use are found by hopping through the category index (a few
    // dozen seeks instead of a pass over every entry); entries without a category are
    // kept, as "not in" keeps them.
    db.exec(QStringLiteral(
        "with recursive used(id) as ("
        " select min(f_fenleiid) from s_shouru"
        " union all"
        " select (select min(f_fenleiid) from s_shouru where f_fenleiid > used.id)"
        " from used where used.id is not null)"
        " delete from s_shouru where f_fenleiid in"
        " (select id from used where id is not null and id not in (select id from s_fenlei))"));
}

void CleanCategories(Database &db) {
    db.exec(QStringLiteral("delete from s_fenlei where f_class is null"));
}

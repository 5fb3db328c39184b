#include "tidy.h"

#include "database.h"

void CleanEntries(Database &db) {
    // NOT EXISTS rather than NOT IN: the same rows, and it uses the category key.
    db.exec(QStringLiteral("delete from s_shouru where not exists "
                           "(select 1 from s_fenlei where s_fenlei.id = s_shouru.f_fenleiid)"));
}

void CleanCategories(Database &db) {
    db.exec(QStringLiteral("delete from s_fenlei where f_class is null"));
}

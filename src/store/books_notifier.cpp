#include "store/books_notifier.h"

void BooksNotifier::tableChanged(const QString &table) {
    if (table == QLatin1String("z_zhanghu"))
        emit accountsChanged();
    else if (table == QLatin1String("s_user"))
        emit membersChanged();
    else if (table == QLatin1String("s_fenlei"))
        emit categoriesChanged();
}

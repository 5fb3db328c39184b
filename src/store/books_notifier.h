#pragma once

#include <QObject>
#include <QString>

// Tells whoever keeps a copy of the accounts, members or categories (the lookup lists
// of the pages) that the stored rows changed. The store side emits it after a commit;
// listeners read their lists again.
class BooksNotifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // A commit changed rows of this table; emits the matching signal, if any.
    void tableChanged(const QString &table);

signals:
    void accountsChanged();   // z_zhanghu
    void membersChanged();    // s_user
    void categoriesChanged(); // s_fenlei
};

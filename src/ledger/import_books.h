#pragma once

#include "bills/bill_row.h"
#include "store/entry_kind.h"
#include "store/money.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

class BatchTableModel;
class Database;

// What the books know about bill rows, and the import's writes: the table of imported
// entries (s_daoru) and the classification rules (s_daorugz). Every value is bound.
namespace ImportBooks {

// The stable name a source is stored under: "alipay", "wechat", "csv".
QString sourceId(BillSource source);

// The keys of a source's rows imported before whose entry is still in the books. An
// imported entry the user deleted no longer counts, so its row is offered again.
QSet<QString> importedKeys(Database &db, const QString &source);

// For each counterpart, the category of its latest imported entry of this kind, when
// that is still a sub-category of the kind. Counterparts never imported are left out.
QHash<QString, qint64> lastCategories(Database &db, EntryKind kind,
                                      const QStringList &counterparts);

struct Rule {
    QString classification;
    qint64 categoryId = 0;
    EntryKind kind = EntryKind::Expense; // the category's
};
// The rules whose category is a sub-category, oldest first.
QList<Rule> rules(Database &db);
// The rules editor's list (id, 账单分类, 项目 holding the category id), edited in place.
void configureRules(BatchTableModel &model);
// id and name of every sub-category, expense first: the rules editor's category names.
QString ruleCategoriesSelect();

struct Category {
    qint64 id = 0;
    EntryKind kind = EntryKind::Expense;
    QString name;
    QString topName;
};
// Every sub-category of both kinds, by id.
QList<Category> subCategories(Database &db);

// Entries made by hand (not imported) between two days, counted by day, kind and amount.
struct HandKey {
    QDate day;
    EntryKind kind;
    qint64 amount; // Money raw
    friend bool operator==(const HandKey &, const HandKey &) = default;
};
size_t qHash(const HandKey &key, size_t seed = 0);
QHash<HandKey, int> handEntries(Database &db, const QDate &first, const QDate &last);

// One entry to write and the bill row it came from.
struct NewEntry {
    QString source; // sourceId()
    QString key;
    QString counterpart;
    EntryKind kind = EntryKind::Expense;
    qint64 categoryId = 0;
    Money amount;
    QDate day;
    QString remark;
};
struct WriteResult {
    int written = 0;
    int alreadyThere = 0; // imported meanwhile: left out
};
// Writes the entries and their import records in one transaction, leaving out a key
// imported meanwhile, then rebuilds the account totals inside the same transaction:
// all or nothing. Throws DbError.
WriteResult write(Database &db, const QList<NewEntry> &entries, const QVariant &accountId,
                  const QVariant &memberId);

} // namespace ImportBooks

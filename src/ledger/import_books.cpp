#include "ledger/import_books.h"

#include "ledger/account_totals.h"
#include "ledger/batch_table_model.h"
#include "store/database.h"

#include <QSqlError>
#include <QSqlQuery>

namespace ImportBooks {
namespace {

// One statement prepared once and run for many rows: a bill has thousands, and
// preparing each time would cost more than running it.
class Prepared {
public:
    Prepared(Database &db, const QString &sql) : m_query(db.connection()) {
        m_query.setForwardOnly(true);
        if (!m_query.prepare(sql))
            fail();
    }
    QSqlQuery &run(const Params &params) {
        for (const Param &p : params)
            m_query.bindValue(QLatin1Char(':') + p.name, p.value);
        if (!m_query.exec())
            fail();
        return m_query;
    }

private:
    [[noreturn]] void fail() {
        const QSqlError error = m_query.lastError();
        throw DbError(error.databaseText().isEmpty() ? error.text() : error.databaseText());
    }
    QSqlQuery m_query;
};

EntryKind kindOf(const QVariant &letter) {
    return entryKindFromLetter(letter.toString()).value_or(EntryKind::Expense);
}

} // namespace

QString sourceId(BillSource source) {
    switch (source) {
    case BillSource::Alipay:
        return QStringLiteral("alipay");
    case BillSource::WeChat:
        return QStringLiteral("wechat");
    case BillSource::Csv:
        break;
    }
    return QStringLiteral("csv");
}

QSet<QString> importedKeys(Database &db, const QString &source) {
    QSqlQuery q = db.select(QStringLiteral("select d.d_hao from s_daoru d"
                                           " join s_shouru s on s.id = d.d_shouruid"
                                           " where d.d_laiyuan = :source"),
                            {{"source", source}});
    QSet<QString> keys;
    while (q.next())
        keys.insert(q.value(0).toString());
    return keys;
}

QHash<QString, qint64> lastCategories(Database &db, EntryKind kind,
                                      const QStringList &counterparts) {
    QHash<QString, qint64> found;
    if (counterparts.isEmpty())
        return found;
    // The counterpart index keeps each counterpart's rows in the order imported, so the
    // latest is the first the walk backwards meets.
    Prepared last(db, QStringLiteral("select s.f_fenleiid from s_daoru d"
                                     " join s_shouru s on s.id = d.d_shouruid"
                                     " join s_fenlei f on f.id = s.f_fenleiid"
                                     " where d.d_duifang = :counterpart and s.f_class = :kind"
                                     " and f.f_id <> 0 and f.f_class = :kind"
                                     " order by d.id desc limit 1"));
    for (const QString &counterpart : counterparts) {
        QSqlQuery &q = last.run({{"counterpart", counterpart}, {"kind", kind}});
        if (q.next())
            found.insert(counterpart, q.value(0).toLongLong());
        q.finish();
    }
    return found;
}

QList<Rule> rules(Database &db) {
    QSqlQuery q =
        db.select(QStringLiteral("select g.g_name, g.f_fenleiid, f.f_class"
                                 " from s_daorugz g join s_fenlei f on f.id = g.f_fenleiid"
                                 " where f.f_id <> 0 order by g.id"));
    QList<Rule> list;
    while (q.next())
        list.append({q.value(0).toString().trimmed(), q.value(1).toLongLong(), kindOf(q.value(2))});
    return list;
}

void configureRules(BatchTableModel &model) {
    using Kind = BatchTableModel::Kind;
    model.setTable(QStringLiteral("s_daorugz"));
    model.setQuery(QStringLiteral(
        "select id, g_name as 账单分类, f_fenleiid as 项目 from s_daorugz order by id"));
    model.setColumnKind(QStringLiteral("id"), Kind::Integer);
    model.setBaseColumn(QStringLiteral("账单分类"), QStringLiteral("g_name"));
    model.setColumnKind(QStringLiteral("账单分类"), Kind::Text);
    model.setBaseColumn(QStringLiteral("项目"), QStringLiteral("f_fenleiid"));
    model.setColumnKind(QStringLiteral("项目"), Kind::Integer);
}

QString ruleCategoriesSelect() {
    return QStringLiteral(
        "select id, f_name from s_fenlei where f_id <> 0 and f_class in ('S', 'Z')"
        " order by f_class desc, id");
}

QList<Category> subCategories(Database &db) {
    QSqlQuery q = db.select(QStringLiteral("select sub.id, sub.f_class, sub.f_name, top.f_name"
                                           " from s_fenlei sub"
                                           " left join s_fenlei top on top.id = sub.f_id"
                                           " where sub.f_id <> 0 and sub.f_class in ('S', 'Z')"
                                           " order by sub.id"));
    QList<Category> list;
    while (q.next())
        list.append({q.value(0).toLongLong(), kindOf(q.value(1)), q.value(2).toString(),
                     q.value(3).toString()});
    return list;
}

size_t qHash(const HandKey &key, size_t seed) {
    return ::qHashMulti(seed, key.day, int(key.kind), key.amount);
}

QHash<HandKey, int> handEntries(Database &db, const QDate &first, const QDate &last) {
    QSqlQuery q = db.select(
        QStringLiteral("select s.s_date, s.f_class, s.s_jine, count(*) from s_shouru s"
                       " where s.f_class in ('S', 'Z') and s.s_date between :first and :last"
                       " and not exists (select 1 from s_daoru d where d.d_shouruid = s.id)"
                       " group by s.s_date, s.f_class, s.s_jine"),
        {{"first", first}, {"last", last}});
    QHash<HandKey, int> counts;
    while (q.next()) {
        // The day part of the stored text; parsing the whole moment costs far more.
        const QDate day = QDate::fromString(q.value(0).toString().left(10), Qt::ISODate);
        if (!day.isValid() || q.value(2).isNull())
            continue;
        counts[{day, kindOf(q.value(1)), q.value(2).toLongLong()}] += q.value(3).toInt();
    }
    return counts;
}

WriteResult write(Database &db, const QList<NewEntry> &entries, const QVariant &accountId,
                  const QVariant &memberId) {
    WriteResult result;
    Transaction tx(db);
    // Checked row by row through the key's index: the plan may be older than the books.
    Prepared known(db, QStringLiteral("select 1 from s_daoru d"
                                      " join s_shouru s on s.id = d.d_shouruid"
                                      " where d.d_laiyuan = :source and d.d_hao = :key"));
    Prepared entry(db, QStringLiteral("insert into s_shouru (f_fenleiid, s_jine, s_userid,"
                                      " s_other, s_zhanghuid, s_date, f_class) values"
                                      " (:category, :amount, :member, :remark, :account, :day,"
                                      " :kind)"));
    // A record left by an entry since deleted gives way to the new one.
    Prepared record(db, QStringLiteral("insert or replace into s_daoru (d_shouruid, d_laiyuan,"
                                       " d_hao, d_duifang) values (last_insert_rowid(), :source,"
                                       " :key, :counterpart)"));
    for (const NewEntry &e : entries) {
        QSqlQuery &found = known.run({{"source", e.source}, {"key", e.key}});
        const bool there = found.next();
        found.finish();
        if (there) {
            ++result.alreadyThere;
            continue;
        }
        entry.run({{"category", e.categoryId},
                   {"amount", e.amount},
                   {"member", memberId},
                   {"remark", e.remark.isNull() ? QStringLiteral("") : e.remark},
                   {"account", accountId},
                   {"day", e.day},
                   {"kind", e.kind}});
        record.run(
            {{"source", e.source},
             {"key", e.key},
             {"counterpart", e.counterpart.isEmpty() ? QVariant() : QVariant(e.counterpart)}});
        ++result.written;
    }
    RecalcAccountTotals(db);
    tx.commit();
    return result;
}

} // namespace ImportBooks

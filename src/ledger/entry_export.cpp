#include "ledger/entry_export.h"

#include "bills/csv_writer.h"
#include "store/database.h"

#include <QHash>

namespace {

// "2024-03-05" for a stored day ("2024-03-05 00:00:00"), the stored text for a moment
// with a time. Done on the text: a million entries are too many to parse as times.
QString dayText(const QString &stored) {
    static const QString midnight = QStringLiteral(" 00:00:00");
    return stored.size() == 19 && stored.endsWith(midnight) ? stored.left(10) : stored;
}

QHash<qint64, QString> names(Database &db, const QString &select) {
    QSqlQuery q = db.select(select);
    QHash<qint64, QString> byId;
    while (q.next())
        byId.insert(q.value(0).toLongLong(), q.value(1).toString());
    return byId;
}

} // namespace

qint64 exportEntries(Database &db, CsvWriter &writer) {
    writer.writeRow({QStringLiteral("日期"), QStringLiteral("收支"), QStringLiteral("项目"),
                     QStringLiteral("大类"), QStringLiteral("收付款人"), QStringLiteral("账户"),
                     QStringLiteral("金额"), QStringLiteral("备注")});
    // The names are few: looked up here rather than joined for every entry.
    const QHash<qint64, QString> categories =
        names(db, QStringLiteral("select id, f_name from s_fenlei"));
    const QHash<qint64, QString> tops =
        names(db, QStringLiteral("select sub.id, top.f_name from s_fenlei sub"
                                 " join s_fenlei top on top.id = sub.f_id"));
    const QHash<qint64, QString> members =
        names(db, QStringLiteral("select id, sys_name from s_user"));
    const QHash<qint64, QString> accounts =
        names(db, QStringLiteral("select id, z_name from z_zhanghu"));
    auto name = [](const QHash<qint64, QString> &byId, const QVariant &id) {
        return id.isNull() ? QString() : byId.value(id.toLongLong());
    };

    QSqlQuery q = db.select(QStringLiteral("select s_date, f_class, f_fenleiid, s_userid,"
                                           " s_zhanghuid, s_jine, s_other from s_shouru"
                                           " order by s_date, id"));
    const QString income = QStringLiteral("收入");
    const QString expense = QStringLiteral("支出");
    qint64 count = 0;
    while (q.next() && writer.ok()) {
        const QString letter = q.value(1).toString();
        const std::optional<EntryKind> kind = entryKindFromLetter(letter);
        const std::optional<Money> amount = Money::fromColumn(q.value(5));
        const QVariant category = q.value(2);
        writer.writeRow({dayText(q.value(0).toString()),
                         !kind                        ? letter
                         : *kind == EntryKind::Income ? income
                                                      : expense,
                         name(categories, category), name(tops, category),
                         name(members, q.value(3)), name(accounts, q.value(4)),
                         amount ? CsvWriter::amount(*amount) : QString(), q.value(6).toString()});
        ++count;
    }
    return count;
}

#include "ledger/statement_queries.h"

#include "store/database.h"
#include "store/row_scan.h"

#include <QHash>
#include <QSqlRecord>
#include <algorithm>

namespace StatementQueries {
namespace {

// The period as a day range: from the first day at midnight up to, not including,
// midnight after the last day, so entries with a time on the last day are in.
QString periodCondition() {
    return QStringLiteral("f_class = :kind and s_date >= :first and s_date < :after");
}

Params periodParams(const StatementFilter &filter) {
    return {{"kind", filter.kind}, {"first", filter.from}, {"after", filter.to.addDays(1)}};
}

bool hasTime(QByteArrayView stored) {
    // "YYYY-MM-DD HH:MM:SS"; a bare day is midnight.
    return stored.size() > 10 && stored.sliced(10) != QByteArrayView(" 00:00:00");
}

} // namespace

QStringList headings() {
    return {QStringLiteral("日期"), QStringLiteral("项目"), QStringLiteral("用户"),
            QStringLiteral("账户"), QStringLiteral("金额")};
}

QStringList memberNames(Database &db) {
    QStringList names;
    QSqlQuery query = db.select(QStringLiteral("select sys_name from s_user order by id"));
    while (query.next())
        names << query.value(0).toString();
    return names;
}

StatementEntries entries(Database &db, const StatementFilter &filter) {
    // The same rows as the view s_z_all gives for the period, kind and member, read from
    // the entries' day index alone; the index's order is the statement's.
    QString sql =
        QStringLiteral("select id, s_jine, s_date from s_shouru where ") + periodCondition();
    Params params = periodParams(filter);
    if (!filter.member.isEmpty()) {
        sql += QStringLiteral(" and s_userid in (select id from s_user where sys_name = :member)");
        params.push_back({"member", filter.member});
    }
    sql += QStringLiteral(" order by s_date, s_jine, id");

    StatementEntries found;
    RowScan scan(db, sql, params);
    bool first = true;
    while (scan.next()) {
        found.ids.push_back(scan.integer(0));
        if (!scan.isNull(1)) {
            const qint64 amount = scan.integer(1);
            found.lowestAmount = first ? amount : std::min(found.lowestAmount, amount);
            found.highestAmount = first ? amount : std::max(found.highestAmount, amount);
            first = false;
        }
        if (found.timedDate.isEmpty() && hasTime(scan.utf8(2)))
            found.timedDate = scan.text(2);
    }
    return found;
}

QList<QVariantList> rows(Database &db, std::span<const qint64> ids) {
    QList<QVariantList> result(qsizetype(ids.size()), QVariantList(5));
    if (ids.empty())
        return result;
    // One bound list of ids: the rows come back in any order and are put in place.
    QString list = QStringLiteral("[");
    for (size_t i = 0; i < ids.size(); ++i) {
        if (i > 0)
            list += QLatin1Char(',');
        list += QString::number(ids[i]);
    }
    list += QLatin1Char(']');
    QHash<qint64, qsizetype> place;
    place.reserve(qsizetype(ids.size()));
    for (size_t i = 0; i < ids.size(); ++i)
        place.insert(ids[i], qsizetype(i));

    QSqlQuery query =
        db.select(QStringLiteral("select id, s_date as 日期, f_name as 项目, sys_name as 用户,"
                                 " z_name as 账户, s_jine as 金额 from s_z_all"
                                 " where id in (select value from json_each(:ids))"),
                  {{"ids", list}});
    while (query.next()) {
        const auto at = place.constFind(query.value(0).toLongLong());
        if (at == place.constEnd())
            continue;
        QVariantList &row = result[*at];
        for (int c = 0; c < 5; ++c)
            row[c] = query.value(c + 1);
    }
    return result;
}

QueryRows names(Database &db, const StatementFilter &filter) {
    QString sql = QStringLiteral("select distinct f_name as 项目, sys_name as 用户,"
                                 " z_name as 账户 from s_z_all where ") +
                  periodCondition();
    Params params = periodParams(filter);
    if (!filter.member.isEmpty()) {
        sql += QStringLiteral(" and sys_name = :member");
        params.push_back({"member", filter.member});
    }
    QSqlQuery query = db.select(sql, params);
    QueryRows result;
    result.headings = {QStringLiteral("项目"), QStringLiteral("用户"), QStringLiteral("账户")};
    while (query.next())
        result.rows << QVariantList{query.value(0), query.value(1), query.value(2)};
    return result;
}

} // namespace StatementQueries

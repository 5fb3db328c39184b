#include "ledger/person_report.h"

#include "ledger/read_rows.h"
#include "store/database.h"
#include "store/dates.h"
#include "store/repeated_query.h"

#include <algorithm>
#include <limits>

namespace PersonReport {
namespace {

// Fills s_renls with one row per month, member and kind: the month as "YYYY-MM", the
// member's name (NULL for entries whose member is gone) and the kind's total. The rows
// are those of grouping the entries view by month and name; they are read as runs of
// the (kind, member, day) index instead, one run per member and month, so no entry is
// sorted or grouped one by one.
void rebuild(Database &db, const QDate &from, const QDate &to) {
    db.exec(QStringLiteral("delete from s_renls"));
    const QString lower = Dates::canonical(from);
    const QString upper = Dates::canonical(to.addDays(1));
    if (!from.isValid() || !to.isValid() || lower >= upper)
        return;

    const QString runOf = QStringLiteral(" from s_shouru indexed by ix_shouru_member"
                                         " where f_class = :kind and s_userid is :member"
                                         " and s_date >= :from and s_date < :to");
    RepeatedQuery nextMember(db, QStringLiteral("select min(s_userid) from s_shouru"
                                                " indexed by ix_shouru_member"
                                                " where f_class = :kind and s_userid > :after"));
    RepeatedQuery memberName(db, QStringLiteral("select sys_name from s_user where id = :member"));
    RepeatedQuery firstDay(db, QStringLiteral("select min(s_date)") + runOf);
    RepeatedQuery total(db, QStringLiteral("select sum(s_jine)") + runOf);

    const struct {
        const char *column;
        EntryKind kind;
    } sides[] = {{"s_s", EntryKind::Income}, {"s_z", EntryKind::Expense}};
    for (const auto &side : sides) {
        // The column is one of two fixed names of the program, not a value.
        RepeatedQuery insert(db, QStringLiteral("insert into s_renls (sdate, sname, %1)"
                                                " values (:month, :name, :amount)")
                                     .arg(QString::fromLatin1(side.column)));
        // Entries without a member first (NULL sorts first), then each member id in
        // use, found by hopping through the index.
        QVariant member; // NULL: bound as such
        QVariant after = std::numeric_limits<qint64>::min();
        for (;;) {
            const QVariant name =
                member.isNull() ? QVariant() : memberName.scalar({{"member", member}});
            QString cursor = lower;
            while (cursor < upper) {
                const QVariant day = firstDay.scalar(
                    {{"kind", side.kind}, {"member", member}, {"from", cursor}, {"to", upper}});
                if (day.isNull())
                    break;
                // Every day text of the month sorts below "YYYY-MM~"; the run always
                // moves past the day found, so the loop ends whatever the texts hold.
                const QString month = day.toString().left(7);
                QString end = std::min(upper, month + QLatin1Char('~'));
                if (end <= day.toString())
                    end = upper;
                const QVariant amount = total.scalar(
                    {{"kind", side.kind}, {"member", member}, {"from", cursor}, {"to", end}});
                insert.run({{"month", month}, {"name", name}, {"amount", amount}});
                cursor = end;
            }
            member = nextMember.scalar({{"kind", side.kind}, {"after", after}});
            if (member.isNull())
                break;
            after = member;
        }
    }
}

// "where sname = :member" or nothing, with its parameter.
QString memberCondition(const std::optional<QString> &member, Params &params) {
    if (!member)
        return {};
    params.push_back({"member", *member});
    return QStringLiteral(" where sname = :member");
}

std::optional<Money> amount(const QVariant &value) {
    return Money::fromColumn(value);
}

} // namespace

QueryRows monthlyList(Database &db, const QDate &from, const QDate &to,
                      const std::optional<QString> &member) {
    Params params;
    const QString where = memberCondition(member, params);
    Transaction tx(db);
    rebuild(db, from, to);
    // A name's place is its first row in the member table; entries whose member is gone
    // have no name and come last.
    QueryRows rows = readAllRows(db.select(
        QStringLiteral("select sname, sdate, sum(s_s) as s_s, sum(s_z) as s_z from s_renls") +
            where +
            QStringLiteral(" group by sname, sdate order by"
                           " coalesce((select min(id) from s_user where sys_name = sname),"
                           " 9223372036854775807), sname, sdate"),
        params));
    tx.commit();

    rows.headings << QStringLiteral("yu");
    for (QVariantList &row : rows.rows) {
        const auto income = amount(row.at(2));
        const auto expense = amount(row.at(3));
        std::optional<Money> difference;
        if (income || expense)
            difference = Money::difference(income.value_or(Money()), expense.value_or(Money()));
        row << (difference ? QVariant(difference->raw()) : QVariant());
    }
    return rows;
}

std::vector<MonthTotals> monthlyChart(Database &db, const QDate &from, const QDate &to,
                                      const std::optional<QString> &member) {
    Params params;
    const QString where = memberCondition(member, params);
    Transaction tx(db);
    rebuild(db, from, to);
    const QueryRows rows = readAllRows(
        db.select(QStringLiteral("select sdate, sum(s_s) as s_s, sum(s_z) as s_z from s_renls") +
                      where + QStringLiteral(" group by sdate order by sdate"),
                  params));
    tx.commit();

    std::vector<MonthTotals> months;
    months.reserve(rows.rows.size());
    for (const QVariantList &row : rows.rows)
        months.push_back({row.at(0).toString(), amount(row.at(1)), amount(row.at(2))});
    return months;
}

QStringList memberNames(Database &db) {
    QSqlQuery query = db.select(QStringLiteral("select sys_name from s_user order by id"));
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

} // namespace PersonReport

#include "ledger/person_report.h"

#include "ledger/read_rows.h"
#include "store/database.h"
#include "store/dates.h"
#include "store/repeated_query.h"

#include <algorithm>
#include <limits>

namespace PersonReport {
namespace {

// A member's month of one kind whose total left the currency range: stored NULL in
// s_renls, and every figure read back over it is left empty too.
struct Gap {
    QString month;
    QVariant name; // NULL for entries whose member is gone
    int side;      // 0 income, 1 expense
};
using Gaps = std::vector<Gap>;

bool sameName(const QVariant &a, const QVariant &b) {
    return a.isNull() || b.isNull() ? a.isNull() == b.isNull() : a.toString() == b.toString();
}

// Whether a gap lies in the month and side (and of the member, when one is given).
bool hasGap(const Gaps &gaps, const QString &month, int side, const QVariant *name = nullptr) {
    return std::any_of(gaps.begin(), gaps.end(), [&](const Gap &gap) {
        return gap.side == side && gap.month == month && (!name || sameName(gap.name, *name));
    });
}

// Fills s_renls with one row per month, member and kind: the month as "YYYY-MM", the
// member's name (NULL for entries whose member is gone) and the kind's total. The rows
// are those of grouping the entries view by month and name; they are read as runs of
// the (kind, member, day) index instead, one run per member and month, so no entry is
// sorted or grouped one by one. Gives the totals that left the range.
Gaps rebuild(Database &db, const QDate &from, const QDate &to) {
    db.exec(QStringLiteral("delete from s_renls"));
    Gaps gaps;
    const QString lower = Dates::canonical(from);
    const QString upper = Dates::canonical(to.addDays(1));
    if (!from.isValid() || !to.isValid() || lower >= upper)
        return gaps;

    const QString runOf = QStringLiteral(" from s_shouru indexed by ix_shouru_member"
                                         " where f_class = :kind and s_userid is :member"
                                         " and s_date >= :from and s_date < :to");
    RepeatedQuery nextMember(db, QStringLiteral("select min(s_userid) from s_shouru"
                                                " indexed by ix_shouru_member"
                                                " where f_class = :kind and s_userid > :after"));
    RepeatedQuery memberName(db, QStringLiteral("select sys_name from s_user where id = :member"));
    RepeatedQuery firstDay(db, QStringLiteral("select min(s_date)") + runOf);
    RepeatedQuery total(db, QStringLiteral("select money_sum(s_jine)") + runOf);

    const struct {
        const char *column;
        EntryKind kind;
    } sides[] = {{"s_s", EntryKind::Income}, {"s_z", EntryKind::Expense}};
    for (int sideIndex = 0; sideIndex < 2; ++sideIndex) {
        const auto &side = sides[sideIndex];
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
                bool outOfRange = false;
                const auto amount = Money::fromSum(
                    total.scalar(
                        {{"kind", side.kind}, {"member", member}, {"from", cursor}, {"to", end}}),
                    &outOfRange);
                if (outOfRange)
                    gaps.push_back({month, name, sideIndex});
                insert.run({{"month", month},
                            {"name", name},
                            {"amount", amount ? QVariant(amount->raw()) : QVariant()}});
                cursor = end;
            }
            member = nextMember.scalar({{"kind", side.kind}, {"after", after}});
            if (member.isNull())
                break;
            after = member;
        }
    }
    return gaps;
}

// "where sname = :member" or nothing, with its parameter.
QString memberCondition(const std::optional<QString> &member, Params &params) {
    if (!member)
        return {};
    params.push_back({"member", *member});
    return QStringLiteral(" where sname = :member");
}

// A figure read back with money_sum(): empty, and *outOfRange set, where it or a
// member's total in it left the range; the cell is emptied to match.
std::optional<Money> figure(QVariant &cell, bool gap, bool *outOfRange) {
    const auto value = gap ? std::nullopt : Money::fromSum(cell, outOfRange);
    if (gap)
        *outOfRange = true;
    if (!value)
        cell = QVariant();
    return value;
}

} // namespace

QueryRows monthlyList(Database &db, const QDate &from, const QDate &to,
                      const std::optional<QString> &member) {
    Params params;
    const QString where = memberCondition(member, params);
    Transaction tx(db);
    const Gaps gaps = rebuild(db, from, to);
    // A name's place is its first row in the member table; entries whose member is gone
    // have no name and come last. Several members gone share the NULL name, so even one
    // name's month is a sum.
    QueryRows rows = readAllRows(db.select(
        QStringLiteral("select sname, sdate, money_sum(s_s) as s_s, money_sum(s_z) as s_z"
                       " from s_renls") +
            where +
            QStringLiteral(" group by sname, sdate order by"
                           " coalesce((select min(id) from s_user where sys_name = sname),"
                           " 9223372036854775807), sname, sdate"),
        params));
    tx.commit();

    rows.headings << QStringLiteral("yu");
    for (QVariantList &row : rows.rows) {
        const QString month = row.at(1).toString();
        const QVariant name = row.at(0);
        bool outOfRange = false;
        const auto income = figure(row[2], hasGap(gaps, month, 0, &name), &outOfRange);
        const auto expense = figure(row[3], hasGap(gaps, month, 1, &name), &outOfRange);
        // The difference of a month with an empty figure would be wrong: it is empty too.
        std::optional<Money> difference;
        if (!outOfRange && (income || expense)) {
            difference = Money::difference(income.value_or(Money()), expense.value_or(Money()));
            outOfRange = !difference;
        }
        row << (difference ? QVariant(difference->raw()) : QVariant());
        rows.sumOutOfRange = rows.sumOutOfRange || outOfRange;
    }
    return rows;
}

std::vector<MonthTotals> monthlyChart(Database &db, const QDate &from, const QDate &to,
                                      const std::optional<QString> &member) {
    Params params;
    const QString where = memberCondition(member, params);
    Transaction tx(db);
    Gaps gaps = rebuild(db, from, to);
    QueryRows rows = readAllRows(db.select(
        QStringLiteral("select sdate, money_sum(s_s) as s_s, money_sum(s_z) as s_z from s_renls") +
            where + QStringLiteral(" group by sdate order by sdate"),
        params));
    tx.commit();

    // Only the chosen member's gaps concern a chart of one member.
    if (member)
        std::erase_if(gaps, [&](const Gap &gap) { return !sameName(gap.name, *member); });
    std::vector<MonthTotals> months;
    months.reserve(rows.rows.size());
    for (QVariantList &row : rows.rows) {
        MonthTotals m{row.at(0).toString(), {}, {}};
        m.income = figure(row[1], hasGap(gaps, m.month, 0), &m.outOfRange);
        m.expense = figure(row[2], hasGap(gaps, m.month, 1), &m.outOfRange);
        months.push_back(std::move(m));
    }
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

#include "ledger/home_summary.h"

#include "ledger/account_totals.h"
#include "store/database.h"
#include "store/dates.h"

namespace {

std::optional<Money> monthSum(Database &db, const QDate &first, const char *kind) {
    // A half-open range on the indexed day column instead of year()/month() per row.
    return Money::fromColumn(
        db.scalar(QStringLiteral("select sum(s_jine) from s_shouru "
                                 "where s_date >= :first and s_date < :next and f_class = :kind"),
                  {{"first", first}, {"next", first.addMonths(1)}, {"kind", kind}}));
}

std::vector<std::pair<QString, Money>> ranking(Database &db, const char *kind) {
    // Summed per category id first, in the order of the category index (named, so that
    // a database without statistics does not pick the day index and sort a million
    // rows), then by name, which is what the entries view groups on; rank() keeps every
    // row tied with the fifth.
    QSqlQuery q = db.select(QStringLiteral("select xxname, jine from ("
                                           " select f.f_name as xxname, sum(t.jine) as jine,"
                                           "  rank() over (order by sum(t.jine) desc) as place"
                                           " from (select f_fenleiid, sum(s_jine) as jine"
                                           "       from s_shouru indexed by ix_shouru_category"
                                           "       where f_class = :kind group by f_fenleiid) t"
                                           " left join s_fenlei f on f.id = t.f_fenleiid"
                                           " group by f.f_name)"
                                           " where place <= 5 order by jine desc, xxname"),
                            {{"kind", kind}});
    std::vector<std::pair<QString, Money>> rows;
    while (q.next())
        rows.emplace_back(q.value(0).toString(), Money::fromRaw(q.value(1).toLongLong()));
    return rows;
}

} // namespace

HomeSummary computeHomeSummary(Database &db, const QDate &today) {
    RecalcAccountTotals(db);
    HomeSummary s;
    QSqlQuery totals = db.select(QStringLiteral(
        "select sum(z_jieru) as 借入, sum(z_jiechu) as 借出, sum(z_yue) as 余额 from z_zhanghu"));
    if (totals.next()) {
        s.debts = Money::fromColumn(totals.value(0));
        s.claims = Money::fromColumn(totals.value(1));
        s.funds = Money::fromColumn(totals.value(2));
    }
    s.totalAssets = Money::sum(s.funds, s.claims);
    s.netAssets = Money::difference(s.totalAssets, s.debts);

    const QDate thisMonth = Dates::firstOfMonth(today);
    const QDate lastMonth = Dates::firstOfPreviousMonth(today);
    s.incomeThisMonth = monthSum(db, thisMonth, "S");
    s.expenseThisMonth = monthSum(db, thisMonth, "Z");
    s.incomeLastMonth = monthSum(db, lastMonth, "S");
    s.expenseLastMonth = monthSum(db, lastMonth, "Z");

    s.expenseRanking = ranking(db, "Z");
    s.incomeRanking = ranking(db, "S");
    return s;
}

QString figureText(const std::optional<Money> &value) {
    return value ? value->toPlain() : QString();
}

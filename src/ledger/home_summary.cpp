#include "ledger/home_summary.h"

#include "ledger/account_totals.h"
#include "store/database.h"
#include "store/dates.h"

namespace {

std::optional<Money> monthSum(Database &db, const QDate &first, const char *kind,
                              bool *outOfRange) {
    // A half-open range on the indexed day column instead of year()/month() per row.
    return Money::fromSum(
        db.scalar(QStringLiteral("select money_sum(s_jine) from s_shouru "
                                 "where s_date >= :first and s_date < :next and f_class = :kind"),
                  {{"first", first}, {"next", first.addMonths(1)}, {"kind", kind}}),
        outOfRange);
}

// A category whose sum left the range still ranks (by its approximate size) but has no
// amount to show: it is left out, and the page says why.
std::vector<std::pair<QString, Money>> ranking(Database &db, const char *kind, bool *outOfRange) {
    // Summed per category id first, in the order of the category index (named, so that
    // a database without statistics does not pick the day index and sort a million
    // rows), then by name, which is what the entries view groups on; rank() keeps every
    // row tied with the fifth.
    QSqlQuery q = db.select(QStringLiteral("select xxname, jine from ("
                                           " select f.f_name as xxname, money_sum(t.jine) as jine,"
                                           "  rank() over (order by money_sum(t.jine) desc)"
                                           "   as place"
                                           " from (select f_fenleiid, money_sum(s_jine) as jine"
                                           "       from s_shouru indexed by ix_shouru_category"
                                           "       where f_class = :kind group by f_fenleiid) t"
                                           " left join s_fenlei f on f.id = t.f_fenleiid"
                                           " group by f.f_name)"
                                           " where place <= 5 order by jine desc, xxname"),
                            {{"kind", kind}});
    std::vector<std::pair<QString, Money>> rows;
    while (q.next())
        if (const auto amount = Money::fromSum(q.value(1), outOfRange))
            rows.emplace_back(q.value(0).toString(), *amount);
    return rows;
}

} // namespace

HomeSummary computeHomeSummary(Database &db, const QDate &today) {
    HomeSummary s;
    s.outOfRange = !RecalcAccountTotals(db);
    bool *outOfRange = &s.outOfRange;
    // An account whose total left the range has it empty (a balance may also be empty
    // for an empty starting amount, which the sum passes over): a sum over it would
    // leave that account out without a word, so it is empty too.
    QSqlQuery totals = db.select(
        QStringLiteral("select money_sum(z_jieru) as 借入, money_sum(z_jiechu) as 借出,"
                       " money_sum(z_yue) as 余额, max(z_jieru is null), max(z_jiechu is null),"
                       " max(z_yue is null and z_qcje is not null) from z_zhanghu"));
    if (totals.next()) {
        const auto figure = [&](int column) -> std::optional<Money> {
            if (totals.value(column + 3).toInt() == 1) {
                s.outOfRange = true;
                return std::nullopt;
            }
            return Money::fromSum(totals.value(column), outOfRange);
        };
        s.debts = figure(0);
        s.claims = figure(1);
        s.funds = figure(2);
    }
    s.totalAssets = Money::sum(s.funds, s.claims);
    s.netAssets = Money::difference(s.totalAssets, s.debts);
    if ((s.funds && s.claims && !s.totalAssets) || (s.totalAssets && s.debts && !s.netAssets))
        s.outOfRange = true;

    const QDate thisMonth = Dates::firstOfMonth(today);
    const QDate lastMonth = Dates::firstOfPreviousMonth(today);
    s.incomeThisMonth = monthSum(db, thisMonth, "S", outOfRange);
    s.expenseThisMonth = monthSum(db, thisMonth, "Z", outOfRange);
    s.incomeLastMonth = monthSum(db, lastMonth, "S", outOfRange);
    s.expenseLastMonth = monthSum(db, lastMonth, "Z", outOfRange);

    s.expenseRanking = ranking(db, "Z", outOfRange);
    s.incomeRanking = ranking(db, "S", outOfRange);
    return s;
}

QString figureText(const std::optional<Money> &value) {
    return value ? value->toPlain() : QString();
}

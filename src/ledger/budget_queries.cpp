#include "ledger/budget_queries.h"

#include "store/database.h"

#include <QDate>
#include <QSqlQuery>

std::vector<BudgetComparisonRow> budgetComparison(Database &db, int year, int month) {
    // A half-open range on the day column, so the month is read through the date index
    // instead of taking every entry apart.
    const QDate first(year, month, 1);
    const QDate next = first.addMonths(1);
    QSqlQuery query = db.select(
        QStringLiteral("select s_ys_2.f_name, s_ys_2.xxmoney, s_yushuan.y_money, s_yushuan.y_x"
                       " from s_yushuan inner join (select s_ys.xid, s_ys.f_name, "
                       "money_sum(s_ys.s_jine) as xxmoney"
                       " from s_ys where s_ys.s_date >= :first and s_ys.s_date < :next"
                       " group by s_ys.xid, s_ys.f_name"
                       ") s_ys_2 on s_yushuan.f_id = s_ys_2.xid"
                       " order by s_yushuan.id"),
        {{"first", first}, {"next", next}});
    std::vector<BudgetComparisonRow> rows;
    while (query.next()) {
        BudgetComparisonRow row{query.value(0).toString(),
                                {},
                                Money::fromColumn(query.value(2)),
                                query.value(3).toString()};
        row.spent = Money::fromSum(query.value(1), &row.spentOutOfRange);
        rows.push_back(std::move(row));
    }
    return rows;
}

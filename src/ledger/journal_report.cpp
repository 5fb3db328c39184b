#include "ledger/journal_report.h"

#include "ledger/read_rows.h"
#include "store/database.h"

namespace JournalReport {

QueryRows dayTotals(Database &db, const QDate &from, const QDate &to) {
    Transaction tx(db);
    db.exec(QStringLiteral("delete from s_ls"));
    // Half-open on the day column: both days whole, read through the (kind, day) index.
    // money_sum() gives a real number for a day whose total leaves the currency range;
    // the scratch table holds whole numbers only, so that day's figure is stored NULL.
    const struct {
        const char *column;
        EntryKind kind;
    } sides[] = {{"s_a", EntryKind::Income}, {"s_b", EntryKind::Expense}};
    for (const auto &side : sides) {
        // The column is one of two fixed names of the program, not a value.
        db.exec(QStringLiteral("insert into s_ls (s_date, %1) select s_date,"
                               " iif(typeof(money_sum(s_jine)) = 'integer', money_sum(s_jine),"
                               " NULL) from s_shouru"
                               " where f_class = :kind and s_date >= :from and s_date < :next"
                               " group by s_date")
                    .arg(QString::fromLatin1(side.column)),
                {{"kind", side.kind}, {"from", from}, {"next", to.addDays(1)}});
    }
    // Each day has at most one row of each kind, so max() merges them without summing.
    QueryRows rows = readAllRows(
        db.select(QStringLiteral("select s_date as x_d, max(s_a) as a, max(s_b) as b from s_ls"
                                 " group by s_date order by s_date")));
    // A row whose figure is NULL has all its amounts empty, or its total out of range:
    // rare enough to sum those days again to tell which.
    rows.sumOutOfRange =
        db.scalar(QStringLiteral("select 1 from s_shouru where f_class in (:income, :expense)"
                                 " and s_date in (select s_date from s_ls"
                                 " where s_a is null and s_b is null)"
                                 " group by f_class, s_date"
                                 " having typeof(money_sum(s_jine)) = 'real' limit 1"),
                  {{"income", EntryKind::Income}, {"expense", EntryKind::Expense}})
            .isValid();
    tx.commit();
    return rows;
}

QueryRows dayEntries(Database &db, EntryKind kind, const QDateTime &day) {
    return readAllRows(db.select(
        QStringLiteral("select f_name as 项目, sys_name as 收付款人, s_jine as 金额,"
                       " z_name as 账户, s_other as 备注"
                       " from s_z_all where s_date = :s_date and f_class = :kind order by id"),
        {{"s_date", day}, {"kind", kind}}));
}

} // namespace JournalReport

#include "ledger/journal_report.h"

#include "ledger/read_rows.h"
#include "store/database.h"

namespace JournalReport {

QueryRows dayTotals(Database &db, const QDate &from, const QDate &to) {
    // Half-open on the day column: both days whole, read through the (kind, day) index.
    const auto period = [&](EntryKind kind) {
        return Params{{"kind", kind}, {"from", from}, {"next", to.addDays(1)}};
    };
    Transaction tx(db);
    db.exec(QStringLiteral("delete from s_ls"));
    db.exec(QStringLiteral("insert into s_ls (s_date, s_a)"
                           " select s_date, sum(s_jine) as a from s_shouru"
                           " where f_class = :kind and s_date >= :from and s_date < :next"
                           " group by s_date"),
            period(EntryKind::Income));
    db.exec(QStringLiteral("insert into s_ls (s_date, s_b)"
                           " select s_date, sum(s_jine) as a from s_shouru"
                           " where f_class = :kind and s_date >= :from and s_date < :next"
                           " group by s_date"),
            period(EntryKind::Expense));
    QueryRows rows = readAllRows(
        db.select(QStringLiteral("select s_date as x_d, sum(s_a) as a, sum(s_b) as b from s_ls"
                                 " group by s_date order by s_date")));
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

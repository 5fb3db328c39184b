#include "ledger/category_report.h"

#include "ledger/read_rows.h"
#include "store/database.h"

namespace CategoryReport {

// Both selects read the entries view v_flbb written out from the categories down: each
// second-level category's entries of the period are one range of the category index,
// which also holds day, kind and amount, so no entry row is read. Without statistics
// SQLite would rather scan that whole index and look each entry's category up, hence
// the index named and the order of the tables fixed (cross join).
//
// money_sum() gives a real number for a total beyond the currency range: it still ranks
// by its approximate size, but its figure is shown empty and the rows say so.

namespace {

QueryRows withSumsInRange(QueryRows rows) {
    for (QVariantList &row : rows.rows) {
        bool outOfRange = false;
        Money::fromSum(row[1], &outOfRange);
        if (outOfRange) {
            row[1] = QVariant();
            rows.sumOutOfRange = true;
        }
    }
    return rows;
}

} // namespace

QueryRows categoryTotals(Database &db, const QDate &from, const QDate &to, EntryKind kind) {
    return withSumsInRange(readAllRows(
        db.select(QStringLiteral("select top.f_name as 项目, money_sum(s.s_jine) as 金额"
                                 " from s_fenlei top"
                                 " cross join s_fenlei sub on sub.f_id = top.id"
                                 " cross join s_shouru s indexed by ix_shouru_category"
                                 " on s.f_fenleiid = sub.id"
                                 " where s.s_date >= :t1 and s.s_date < :next and s.f_class = :sorz"
                                 " group by top.id order by 金额 desc, 项目"),
                  {{"t1", from}, {"next", to.addDays(1)}, {"sorz", kind}})));
}

QueryRows detailTotals(Database &db, const QDate &from, const QDate &to, const QString &topName) {
    return withSumsInRange(readAllRows(
        db.select(QStringLiteral("select sub.f_name as 项目, money_sum(s.s_jine) as 金额"
                                 " from s_fenlei top"
                                 " cross join s_fenlei sub on sub.f_id = top.id"
                                 " cross join s_shouru s indexed by ix_shouru_category"
                                 " on s.f_fenleiid = sub.id"
                                 " where top.f_name = :dfl and s.s_date >= :t1 and s.s_date < :next"
                                 " group by sub.id order by 金额 desc, 项目"),
                  {{"dfl", topName}, {"t1", from}, {"next", to.addDays(1)}})));
}

} // namespace CategoryReport

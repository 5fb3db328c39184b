#include "ledger/budget_queries.h"
#include "store/database.h"
#include "temp_database.h"

#include <QTest>

namespace {

void entry(Database &db, int category, qint64 amount, const char *when, const char *kind = "Z") {
    db.exec("insert into s_shouru (f_fenleiid, s_jine, f_class, s_date) values (:c, :a, :k, :d)",
            {{"c", category}, {"a", amount}, {"k", kind}, {"d", when}});
}

QStringList lines(const std::vector<BudgetComparisonRow> &rows) {
    QStringList out;
    for (const BudgetComparisonRow &r : rows)
        out << QStringLiteral("%1 %2 %3 %4")
                   .arg(r.category, r.spent ? r.spent->toPlain() : QStringLiteral("-"),
                        r.budget ? r.budget->toPlain() : QStringLiteral("-"), r.remark);
    return out;
}

} // namespace

class TestBudgetQueries : public QObject {
    Q_OBJECT

private slots:
    // The month runs from its first day to its last, whatever the time of day.
    void monthIsBoundedOnBothSides() {
        TempDatabase t;
        Database &db = t.db();
        entry(db, 5, 10000, "2026-02-28 23:59:59");
        entry(db, 5, 20000, "2026-03-01 00:00:00");
        entry(db, 6, 30000, "2026-03-31 00:00:00");
        entry(db, 6, 40000, "2026-03-31 18:30:00");
        entry(db, 5, 50000, "2026-04-01 00:00:00");
        QCOMPARE(lines(budgetComparison(db, 2026, 3)), QStringList{"日常生活 9 2000 吃穿用度"});
    }

    // January must not reach back into December, nor December forward into January.
    void yearBoundary() {
        TempDatabase t;
        Database &db = t.db();
        entry(db, 5, 10000, "2026-12-31 00:00:00");
        entry(db, 5, 20000, "2027-01-01 00:00:00");
        entry(db, 5, 40000, "2027-01-31 00:00:00");
        entry(db, 5, 80000, "2027-02-01 00:00:00");
        QCOMPARE(lines(budgetComparison(db, 2027, 1)), QStringList{"日常生活 6 2000 吃穿用度"});
        QCOMPARE(lines(budgetComparison(db, 2026, 12)), QStringList{"日常生活 1 2000 吃穿用度"});
    }
};

QTEST_GUILESS_MAIN(TestBudgetQueries)
#include "test_budget_queries.moc"

#include "ledger/field_role.h"
#include "ledger/statement_model.h"
#include "ledger/statement_queries.h"
#include "store/database.h"
#include "temp_database.h"

#include <QTest>

namespace {

// Seeded: member 1 管理员, account 1 现金; categories 2 工资收入 (income), 5 餐饮费 and
// 6 日用品 (expense).
void addEntry(Database &db, int category, qint64 raw, const QString &when, const char *kind,
              int user = 1) {
    db.exec("insert into s_shouru (f_fenleiid,s_jine,s_userid,s_zhanghuid,s_date,f_class) "
            "values (:c,:a,:u,1,:d,:k)",
            {{"c", category}, {"a", raw}, {"u", user}, {"d", when}, {"k", kind}});
}

StatementFilter period(EntryKind kind, const QString &member = {}) {
    return {QDate(2026, 3, 1), QDate(2026, 3, 31), kind, member};
}

// Amounts of the statement in its order, as the model shows them.
QList<qint64> amounts(const StatementModel &model) {
    QList<qint64> result;
    for (int r = 0; r < model.rowCount(); ++r)
        result << model.index(r, 4).data().toLongLong();
    return result;
}

} // namespace

class TestStatementQueries : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_t = std::make_unique<TempDatabase>();
        Database &db = m_t->db();
        db.exec("insert into s_user (sys_name, sys_pwd) values ('妈妈', ''), ('O''Brien', '')");
        addEntry(db, 5, 100, "2026-02-28 23:59:59", "Z");    // the day before
        addEntry(db, 5, 200, "2026-03-01 00:00:00", "Z");    // first day
        addEntry(db, 6, 300, "2026-03-31 21:15:00", "Z", 2); // last day, evening
        addEntry(db, 5, 400, "2026-04-01 00:00:00", "Z");    // the day after
        addEntry(db, 2, 500, "2026-03-15 00:00:00", "S", 3);
        addEntry(db, 6, 250, "2026-03-31 00:00:00", "Z", 2);
    }
    void cleanup() { m_t.reset(); }

    void periodKindAndOrder() {
        StatementModel model(m_t->db());
        QCOMPARE(model.columnCount(), 5);
        QCOMPARE(model.rowCount(), 0);
        model.query(period(EntryKind::Expense));
        // Both bounds are in, whatever the time of day; the day order holds.
        QCOMPARE(amounts(model), (QList<qint64>{200, 250, 300}));
        QCOMPARE(model.index(2, 0).data().toString(), QStringLiteral("2026-03-31 21:15:00"));
        QCOMPARE(model.index(2, 1).data().toString(), QStringLiteral("日用品"));
        QCOMPARE(model.index(2, 2).data().toString(), QStringLiteral("妈妈"));
        QCOMPARE(model.index(2, 3).data().toString(), QStringLiteral("现金"));
        QCOMPARE(model.headerData(4, Qt::Horizontal, FieldNameRole).toString(),
                 QStringLiteral("金额"));
        const StatementEntries &found = model.entries();
        QCOMPARE(found.lowestAmount, 200);
        QCOMPARE(found.highestAmount, 300);
        QCOMPARE(found.timedDate, QStringLiteral("2026-03-31 21:15:00"));

        model.query(period(EntryKind::Income));
        QCOMPARE(amounts(model), QList<qint64>{500});
        QVERIFY(model.entries().timedDate.isEmpty());
    }

    void oneMember() {
        StatementModel model(m_t->db());
        model.query(period(EntryKind::Expense, QStringLiteral("妈妈")));
        QCOMPARE(amounts(model), (QList<qint64>{250, 300}));
        // A name with a quote is a value like any other; member names ignore case.
        model.query(period(EntryKind::Income, QStringLiteral("o'brien")));
        QCOMPARE(amounts(model), QList<qint64>{500});
        model.query(period(EntryKind::Expense, QStringLiteral("x' or '1'='1")));
        QCOMPARE(model.rowCount(), 0);
    }

    void rowsReadWhenShown() {
        Database &db = m_t->db();
        StatementModel model(db);
        model.query(period(EntryKind::Expense));
        // An entry deleted after the query leaves an empty row rather than shifting the
        // rows after it.
        db.exec("delete from s_shouru where s_jine = 250");
        QVERIFY(!model.index(1, 4).data().isValid());
        QCOMPARE(model.index(2, 4).data().toLongLong(), 300);

        // A long statement: rows from several blocks, in order.
        Transaction tx(db);
        for (int i = 0; i < 300; ++i)
            addEntry(db, 5, 1000 + i, "2026-05-02 00:00:00", "Z");
        tx.commit();
        model.query({QDate(2026, 5, 1), QDate(2026, 5, 31), EntryKind::Expense, {}});
        QCOMPARE(model.rowCount(), 300);
        QCOMPARE(model.index(299, 4).data().toLongLong(), 1299);
        QCOMPARE(model.index(128, 4).data().toLongLong(), 1128);
        QCOMPARE(model.index(0, 4).data().toLongLong(), 1000);
    }

    void widestValuesAndMembers() {
        StatementModel model(m_t->db());
        QVERIFY(model.widestValues(1).isEmpty());
        model.query(period(EntryKind::Expense));
        const QVariantList categories = model.widestValues(1);
        QCOMPARE(categories.size(), 2);
        QVERIFY(categories.contains(QStringLiteral("餐饮费")));
        QVERIFY(categories.contains(QStringLiteral("日用品")));
        QCOMPARE(model.widestValues(4), (QVariantList{200, 300}));

        QCOMPARE(StatementQueries::memberNames(m_t->db()),
                 (QStringList{QStringLiteral("管理员"), QStringLiteral("妈妈"),
                              QStringLiteral("O'Brien")}));
    }

private:
    std::unique_ptr<TempDatabase> m_t;
};

QTEST_GUILESS_MAIN(TestStatementQueries)
#include "test_statement_queries.moc"

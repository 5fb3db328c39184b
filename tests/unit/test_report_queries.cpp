#include "ledger/category_report.h"
#include "ledger/journal_report.h"
#include "ledger/person_report.h"
#include "store/database.h"
#include "temp_database.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

const EntryKind Income = EntryKind::Income;
const EntryKind Expense = EntryKind::Expense;

// Seeded categories: 2 工资收入 and 3 奖金收入 under 1 职业收入 (income); 5 餐饮费 and
// 6 日用品 under 4 日常生活, 13 房租 under 12 居家住房 (expense). Member 1 is 管理员.
void addEntry(Database &db, int category, qint64 amount, const char *when, const char *kind,
              const QVariant &member = 1) {
    QString moment = QString::fromLatin1(when);
    if (moment.size() == 10)
        moment += QStringLiteral(" 00:00:00");
    db.exec("insert into s_shouru (f_fenleiid,s_jine,s_userid,s_zhanghuid,s_date,f_class,s_other)"
            " values (:c,:a,:u,1,:d,:k,'')",
            {{"c", category}, {"a", amount}, {"u", member}, {"d", moment}, {"k", kind}});
}

qint64 addMember(Database &db, const QString &name) {
    db.exec("insert into s_user (sys_name, sys_pwd) values (:n, '')", {{"n", name}});
    return db.scalar("select last_insert_rowid()").toLongLong();
}

// Each row as its values joined by blanks, NULL as "-".
QStringList lines(const QueryRows &rows) {
    QStringList out;
    for (const QVariantList &row : rows.rows) {
        QStringList cells;
        for (const QVariant &v : row)
            cells << (v.isNull() ? QStringLiteral("-") : v.toString());
        out << cells.join(QLatin1Char(' '));
    }
    return out;
}

QStringList lines(const std::vector<PersonReport::MonthTotals> &months) {
    QStringList out;
    for (const auto &m : months)
        out << QStringLiteral("%1 %2 %3")
                   .arg(m.month, m.income ? m.income->toPlain() : QStringLiteral("-"),
                        m.expense ? m.expense->toPlain() : QStringLiteral("-"));
    return out;
}

QStringList selectLines(Database &db, const QString &sql, const Params &params = {}) {
    QSqlQuery q = db.select(sql, params);
    QStringList out;
    while (q.next()) {
        QStringList cells;
        for (int c = 0; c < q.record().count(); ++c)
            cells << (q.value(c).isNull() ? QStringLiteral("-") : q.value(c).toString());
        out << cells.join(QLatin1Char(' '));
    }
    return out;
}

QDate day(int y, int m, int d) {
    return QDate(y, m, d);
}

} // namespace

class TestReportQueries : public QObject {
    Q_OBJECT

private slots:
    void journalMergesTheKindsOfEachDayOverBothBoundDays() {
        TempDatabase t;
        Database &db = t.db();
        addEntry(db, 5, 10000, "2026-11-30", "Z"); // the day before
        addEntry(db, 2, 50000, "2026-12-01", "S");
        addEntry(db, 3, 20000, "2026-12-01", "S");
        addEntry(db, 5, 30000, "2026-12-03", "Z");
        addEntry(db, 2, 70000, "2026-12-03", "S");
        addEntry(db, 6, 40000, "2026-12-09 18:30:00", "Z"); // late on the last day
        addEntry(db, 5, 99000, "2026-12-10", "Z");          // the day after
        const QStringList expected = {"2026-12-01 00:00:00 70000 -",
                                      "2026-12-03 00:00:00 70000 30000",
                                      "2026-12-09 18:30:00 - 40000"};
        const QueryRows rows = JournalReport::dayTotals(db, day(2026, 12, 1), day(2026, 12, 9));
        QCOMPARE(rows.headings, QStringList({"x_d", "a", "b"}));
        QCOMPARE(lines(rows), expected);
        // The scratch table is emptied first: a second refresh gives the same.
        QCOMPARE(lines(JournalReport::dayTotals(db, day(2026, 12, 1), day(2026, 12, 9))), expected);
        QCOMPARE(db.scalar("select count(*) from s_ls").toInt(), 4);
        QVERIFY(JournalReport::dayTotals(db, day(2026, 12, 9), day(2026, 12, 1)).rows.isEmpty());
        QVERIFY(JournalReport::dayTotals(db, day(2027, 1, 1), day(2027, 1, 31)).rows.isEmpty());
    }

    void journalDetailsAreOneKindAtOneDateInEntryOrder() {
        TempDatabase t;
        Database &db = t.db();
        addEntry(db, 6, 900000, "2026-12-09", "Z");
        addEntry(db, 5, 5000, "2026-12-09", "Z", QVariant()); // no member: still listed
        addEntry(db, 2, 10000, "2026-12-09", "S");
        addEntry(db, 5, 7000, "2026-12-08", "Z");
        const QDateTime ninth(day(2026, 12, 9), QTime(0, 0));
        const QueryRows rows = JournalReport::dayEntries(db, Expense, ninth);
        QCOMPARE(rows.headings, QStringList({"项目", "收付款人", "金额", "账户", "备注"}));
        QCOMPARE(lines(rows), QStringList({"日用品 管理员 900000 现金 ", "餐饮费 - 5000 现金 "}));
        QCOMPARE(lines(JournalReport::dayEntries(db, Income, ninth)),
                 QStringList({"工资收入 管理员 10000 现金 "}));
    }

    void categoryTotalsByTopLevelLargestFirst() {
        TempDatabase t;
        Database &db = t.db();
        addEntry(db, 5, 10000, "2026-12-01", "Z");
        addEntry(db, 6, 25000, "2026-12-09", "Z");
        addEntry(db, 13, 30000, "2026-12-05", "Z");
        addEntry(db, 16, 30000, "2026-12-05", "Z"); // 交通通讯: ties with 居家住房 by amount
        addEntry(db, 5, 90000, "2026-12-10", "Z");  // after the period
        addEntry(db, 2, 80000, "2026-12-05", "S");  // the other kind
        const QDate from = day(2026, 12, 1), to = day(2026, 12, 9);
        const QueryRows rows = CategoryReport::categoryTotals(db, from, to, Expense);
        QCOMPARE(rows.headings, QStringList({"项目", "金额"}));
        QCOMPARE(lines(rows), QStringList({"日常生活 35000", "交通通讯 30000", "居家住房 30000"}));
        QCOMPARE(lines(CategoryReport::categoryTotals(db, from, to, Income)),
                 QStringList({"职业收入 80000"}));
        QVERIFY(CategoryReport::categoryTotals(db, to, from, Expense).rows.isEmpty());
    }

    void categoryDetailsAreTheSubCategoriesOfTheNamedTopOfEitherKind() {
        TempDatabase t;
        Database &db = t.db();
        addEntry(db, 5, 10000, "2026-12-01", "Z");
        addEntry(db, 6, 20000, "2026-12-02", "Z");
        addEntry(db, 5, 15000, "2026-12-03", "S");  // an income entry filed under 餐饮费
        addEntry(db, 13, 90000, "2026-12-03", "Z"); // another top-level category
        addEntry(db, 6, 90000, "2026-11-30", "Z");  // before the period
        const QDate from = day(2026, 12, 1), to = day(2026, 12, 9);
        QCOMPARE(lines(CategoryReport::detailTotals(db, from, to, "日常生活")),
                 QStringList({"餐饮费 25000", "日用品 20000"}));
        QVERIFY(CategoryReport::detailTotals(db, from, to, "餐饮费").rows.isEmpty());
        QVERIFY(CategoryReport::detailTotals(db, to, from, "日常生活").rows.isEmpty());
    }

    void personListByMemberOrderThenMonthAcrossTheYear() {
        TempDatabase t;
        Database &db = t.db();
        const qint64 mum = addMember(db, "妈妈");
        const qint64 idle = addMember(db, "奶奶"); // no entries: shown nowhere
        Q_UNUSED(idle);
        addEntry(db, 5, 10000, "2023-12-31", "Z", mum);
        addEntry(db, 2, 50000, "2023-12-05", "S", mum);
        addEntry(db, 2, 40000, "2024-01-01", "S");
        addEntry(db, 5, 60000, "2024-01-15", "Z");
        addEntry(db, 6, 5000, "2024-02-29 21:00:00", "Z", mum);
        addEntry(db, 5, 7000, "2024-01-20", "Z", 99);  // member deleted: no name, last
        addEntry(db, 5, 1000, "2023-11-30", "Z", mum); // before the period
        const QueryRows rows =
            PersonReport::monthlyList(db, day(2023, 12, 1), day(2024, 2, 29), std::nullopt);
        QCOMPARE(rows.headings, QStringList({"sname", "sdate", "s_s", "s_z", "yu"}));
        // An empty side counts as 0 in the difference but stays empty itself.
        QCOMPARE(lines(rows),
                 QStringList({"管理员 2024-01 40000 60000 -20000", "妈妈 2023-12 50000 10000 40000",
                              "妈妈 2024-02 - 5000 -5000", "- 2024-01 - 7000 -7000"}));
        QVERIFY(PersonReport::monthlyList(db, day(2024, 3, 1), day(2023, 12, 1), std::nullopt)
                    .rows.isEmpty());
        QCOMPARE(PersonReport::memberNames(db), QStringList({"管理员", "妈妈", "奶奶"}));
    }

    void personReportBindsTheMemberAndMatchesItExactly() {
        TempDatabase t;
        Database &db = t.db();
        const qint64 quoted = addMember(db, "O'Brien");
        addEntry(db, 5, 10000, "2024-01-02", "Z", quoted);
        addEntry(db, 5, 20000, "2024-01-03", "Z");
        const QDate from = day(2024, 1, 1), to = day(2024, 1, 31);
        QCOMPARE(lines(PersonReport::monthlyList(db, from, to, QStringLiteral("O'Brien"))),
                 QStringList({"O'Brien 2024-01 - 10000 -10000"}));
        QVERIFY(PersonReport::monthlyList(db, from, to, QStringLiteral("o'brien")).rows.isEmpty());
        QVERIFY(
            PersonReport::monthlyList(db, from, to, QStringLiteral("' or '1'='1")).rows.isEmpty());
        QCOMPARE(lines(PersonReport::monthlyChart(db, from, to, QStringLiteral("O'Brien"))),
                 QStringList({"2024-01 - 1"}));
    }

    void chartSumsTheMembersOfEachMonth() {
        TempDatabase t;
        Database &db = t.db();
        const qint64 mum = addMember(db, "妈妈");
        for (int month = 1; month <= 3; ++month) {
            const QByteArray when =
                QStringLiteral("2024-%1-10").arg(month, 2, 10, QLatin1Char('0')).toLatin1();
            addEntry(db, 2, 10000 * month, when.constData(), "S");
            addEntry(db, 2, 1000, when.constData(), "S", mum);
            addEntry(db, 5, 500, when.constData(), "Z", mum);
        }
        const QDate from = day(2024, 1, 1), to = day(2024, 3, 31);
        QCOMPARE(PersonReport::monthlyList(db, from, to, std::nullopt).rows.size(), 6);
        QCOMPARE(lines(PersonReport::monthlyChart(db, from, to, std::nullopt)),
                 QStringList({"2024-01 1.1 0.05", "2024-02 2.1 0.05", "2024-03 3.1 0.05"}));
        QCOMPARE(lines(PersonReport::monthlyChart(db, from, to, QStringLiteral("管理员"))),
                 QStringList({"2024-01 1 -", "2024-02 2 -", "2024-03 3 -"}));
    }

    // Amounts from a file written elsewhere: 500 trillion twice leaves the currency range.
    // Such a figure is empty and flagged; every other one stays exact.
    void journalAndCategoryTotalsOutOfRangeAreEmptyAndFlagged() {
        TempDatabase t;
        Database &db = t.db();
        const qint64 huge = 5'000'000'000'000'000'000;
        addEntry(db, 5, huge, "2026-12-02", "Z");
        addEntry(db, 5, huge, "2026-12-02", "Z");
        addEntry(db, 2, 10000, "2026-12-02", "S");
        addEntry(db, 6, 20000, "2026-12-03", "Z");
        addEntry(db, 13, 30000, "2026-12-03", "Z");
        const QDate from = day(2026, 12, 1), to = day(2026, 12, 9);
        QueryRows rows = JournalReport::dayTotals(db, from, to);
        QCOMPARE(lines(rows),
                 QStringList({"2026-12-02 00:00:00 10000 -", "2026-12-03 00:00:00 - 50000"}));
        QVERIFY(rows.sumOutOfRange);
        QVERIFY(!JournalReport::dayTotals(db, day(2026, 12, 3), to).sumOutOfRange);
        // A day whose amounts are all empty is empty too, but nothing is out of range.
        db.exec("update s_shouru set s_jine = null where s_jine = 20000 or s_jine = 30000");
        rows = JournalReport::dayTotals(db, day(2026, 12, 3), to);
        QCOMPARE(lines(rows), QStringList({"2026-12-03 00:00:00 - -"}));
        QVERIFY(!rows.sumOutOfRange);
        db.exec("update s_shouru set s_jine = 20000 where f_fenleiid = 6");
        db.exec("update s_shouru set s_jine = 30000 where f_fenleiid = 13");

        // The overflowing total ranks by its size, first.
        rows = CategoryReport::categoryTotals(db, from, to, Expense);
        QCOMPARE(lines(rows), QStringList({"日常生活 -", "居家住房 30000"}));
        QVERIFY(rows.sumOutOfRange);
        rows = CategoryReport::detailTotals(db, from, to, "日常生活");
        QCOMPARE(lines(rows), QStringList({"餐饮费 -", "日用品 20000"}));
        QVERIFY(rows.sumOutOfRange);
        QVERIFY(!CategoryReport::detailTotals(db, from, to, "居家住房").sumOutOfRange);
        QVERIFY(!CategoryReport::categoryTotals(db, from, to, Income).sumOutOfRange);
    }

    // A member's month can leave the range on its own (stored empty) or only once the
    // chart adds the members up (read back empty).
    void personFiguresOutOfRangeAreEmptyAndFlagged() {
        TempDatabase t;
        Database &db = t.db();
        const qint64 mum = addMember(db, "妈妈");
        const qint64 huge = 5'000'000'000'000'000'000;
        addEntry(db, 2, 40000, "2024-01-05", "S");
        addEntry(db, 5, 60000, "2024-01-06", "Z");
        addEntry(db, 5, huge, "2024-02-01", "Z");
        addEntry(db, 2, 10000, "2024-01-05", "S", mum);
        addEntry(db, 5, huge, "2024-01-07", "Z", mum);
        addEntry(db, 5, huge, "2024-01-08", "Z", mum);
        addEntry(db, 5, huge, "2024-02-02", "Z", mum);
        const QDate from = day(2024, 1, 1), to = day(2024, 2, 29);
        QueryRows rows = PersonReport::monthlyList(db, from, to, std::nullopt);
        // The difference of a row with an empty side is empty too.
        QCOMPARE(lines(rows), QStringList({"管理员 2024-01 40000 60000 -20000",
                                           "管理员 2024-02 - 5000000000000000000 "
                                           "-5000000000000000000",
                                           "妈妈 2024-01 10000 - -",
                                           "妈妈 2024-02 - 5000000000000000000 "
                                           "-5000000000000000000"}));
        QVERIFY(rows.sumOutOfRange);
        QVERIFY(!PersonReport::monthlyList(db, from, to, QStringLiteral("管理员")).sumOutOfRange);

        const auto flagged = [](const std::vector<PersonReport::MonthTotals> &months) {
            QStringList out;
            for (const auto &m : months)
                out << (m.outOfRange ? QStringLiteral("!") : QStringLiteral("="));
            return out.join(QString());
        };
        auto months = PersonReport::monthlyChart(db, from, to, std::nullopt);
        QCOMPARE(lines(months), QStringList({"2024-01 5 -", "2024-02 - -"}));
        QCOMPARE(flagged(months), QStringLiteral("!!"));
        // One member's chart is not emptied by another member's totals.
        months = PersonReport::monthlyChart(db, from, to, QStringLiteral("管理员"));
        QCOMPARE(lines(months), QStringList({"2024-01 4 6", "2024-02 - 500000000000000"}));
        QCOMPARE(flagged(months), QStringLiteral("=="));
        QCOMPARE(flagged(PersonReport::monthlyChart(db, from, to, QStringLiteral("妈妈"))),
                 QStringLiteral("!="));
    }

    // The scratch table is filled from runs of an index rather than by grouping; it must
    // hold what grouping the entries view by month and name gives, for any books.
    void scratchRowsEqualGroupingTheEntriesView() {
        TempDatabase t;
        Database &db = t.db();
        addMember(db, "妈妈");
        addMember(db, "小明");
        QRandomGenerator random(7);
        Transaction tx(db);
        for (int i = 0; i < 600; ++i) {
            const QDate when = day(2023, 10, 1).addDays(random.bounded(200));
            const QTime time = random.bounded(4) == 0 ? QTime(random.bounded(24), 30) : QTime(0, 0);
            const int pick = random.bounded(6);
            const QVariant member = pick == 0 ? QVariant() : QVariant(pick == 5 ? 42 : pick);
            const QVariant amount =
                random.bounded(20) == 0 ? QVariant() : QVariant(qint64(random.bounded(100000)));
            db.exec("insert into s_shouru (f_fenleiid,s_jine,s_userid,s_date,f_class)"
                    " values (5,:a,:u,:d,:k)",
                    {{"a", amount},
                     {"u", member},
                     {"d", QDateTime(when, time)},
                     {"k", random.bounded(3) == 0 ? Income : Expense}});
        }
        tx.commit();
        const QString grouped = QStringLiteral(
            "select strftime('%Y-%m', s_date) as m, sys_name, sum(case f_class when 'S' then"
            " s_jine end), sum(case f_class when 'Z' then s_jine end) from s_z_all"
            " where s_date >= :from and s_date < :next group by m, sys_name order by m, sys_name");
        const QString read = QStringLiteral("select sdate, sname, sum(s_s), sum(s_z) from s_renls"
                                            " group by sdate, sname order by sdate, sname");
        const struct {
            QDate from, to;
        } periods[] = {{day(2023, 10, 1), day(2024, 4, 30)},
                       {day(2023, 11, 15), day(2024, 1, 15)},
                       {day(2024, 2, 29), day(2024, 2, 29)}};
        for (const auto &p : periods) {
            PersonReport::monthlyList(db, p.from, p.to, std::nullopt);
            const QStringList expected =
                selectLines(db, grouped, {{"from", p.from}, {"next", p.to.addDays(1)}});
            QVERIFY(!expected.isEmpty());
            QCOMPARE(selectLines(db, read), expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestReportQueries)
#include "test_report_queries.moc"

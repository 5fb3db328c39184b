#include "ledger_generator.h"

#include "store/database.h"
#include "store/dates.h"

#include <QDate>
#include <QSqlQuery>
#include <QVector>
#include <algorithm>
#include <random>

namespace {

struct Category {
    qint64 id;
    bool income;
};

QVector<Category> addCategories(Database &db) {
    // A few more of each kind on top of the seeded tree.
    const char *expenseTops[] = {"宠物", "人情往来", "汽车"};
    const char *incomeTops[] = {"投资收益"};
    int n = 0;
    for (const char *top : expenseTops) {
        db.exec("insert into s_fenlei (f_id,f_class,f_name) values (0,'Z',:n)", {{"n", top}});
        const qint64 parent = db.scalar("select last_insert_rowid()").toLongLong();
        for (int i = 0; i < 4; ++i)
            db.exec("insert into s_fenlei (f_id,f_class,f_name,f_pinyin) values (:p,'Z',:n,'x')",
                    {{"p", parent},
                     {"n", QStringLiteral("%1%2").arg(QString::fromUtf8(top)).arg(++n)}});
    }
    for (const char *top : incomeTops) {
        db.exec("insert into s_fenlei (f_id,f_class,f_name) values (0,'S',:n)", {{"n", top}});
        const qint64 parent = db.scalar("select last_insert_rowid()").toLongLong();
        for (int i = 0; i < 3; ++i)
            db.exec("insert into s_fenlei (f_id,f_class,f_name,f_pinyin) values (:p,'S',:n,'y')",
                    {{"p", parent},
                     {"n", QStringLiteral("%1%2").arg(QString::fromUtf8(top)).arg(++n)}});
    }
    db.exec("insert into s_yushuan (f_id,y_money) select id, 10000000 from s_fenlei "
            "where f_id=0 and f_class='Z' and id not in (select f_id from s_yushuan)");

    QVector<Category> subs;
    QSqlQuery q = db.select("select id, f_class from s_fenlei where f_id<>0");
    while (q.next())
        subs.push_back({q.value(0).toLongLong(), q.value(1).toString() == QLatin1String("S")});
    return subs;
}

} // namespace

void generateLedger(Database &db, const LedgerShape &shape) {
    std::mt19937_64 random(shape.seed);
    auto between = [&random](qint64 low, qint64 high) {
        return std::uniform_int_distribution<qint64>(low, high)(random);
    };

    Transaction tx(db);
    for (const char *member : {"爸爸", "妈妈", "小明", "奶奶"})
        db.exec("insert into s_user (sys_name,sys_pwd) values (:n,'')", {{"n", member}});
    for (const char *account : {"工商银行卡", "招商信用卡", "支付宝", "微信零钱", "存折"})
        db.exec("insert into z_zhanghu (z_name,z_qcje) values (:n,:q)",
                {{"n", account}, {"q", between(0, 50000) * Money::Scale}});
    const QVector<Category> categories = addCategories(db);
    QVector<qint64> expense, income;
    for (const Category &c : categories)
        (c.income ? income : expense).push_back(c.id);

    // Decades of books for large ledgers, at least a year for small ones.
    const QDate lastDay(2026, 12, 31);
    const qint64 spanDays = std::clamp<qint64>(shape.entries / 20, 365, 40 * 365);
    const QDate firstDay = lastDay.addDays(-spanDays + 1);

    QSqlQuery insert(db.connection());
    insert.prepare("insert into s_shouru (f_fenleiid,s_jine,s_userid,s_other,s_zhanghuid,s_date,"
                   "f_class) values (?,?,?,?,?,?,?)");
    for (qint64 i = 0; i < shape.entries; ++i) {
        const QDate day = firstDay.addDays(i * spanDays / shape.entries);
        // About one entry in six is income, mostly larger.
        const bool isIncome = between(0, 5) == 0;
        const auto &pool = isIncome ? income : expense;
        insert.bindValue(0, pool[int(between(0, pool.size() - 1))]);
        insert.bindValue(1,
                         isIncome ? between(100, 20000) * Money::Scale : between(50, 500000) * 100);
        insert.bindValue(2, between(1, 5));
        insert.bindValue(3, between(0, 3) == 0 ? QVariant(QStringLiteral("备注")) : QVariant());
        insert.bindValue(4, between(1, 6));
        insert.bindValue(5, Dates::canonical(day));
        insert.bindValue(6, isIncome ? QStringLiteral("S") : QStringLiteral("Z"));
        if (!insert.exec())
            throw DbError(QStringLiteral("generating entries failed"));
    }

    const qint64 loans = qMax<qint64>(10, shape.entries / 5000);
    for (qint64 i = 0; i < loans; ++i) {
        const qint64 principal = between(100, 50000) * Money::Scale;
        const qint64 repaid =
            between(0, 1) ? principal : between(0, principal / Money::Scale) * Money::Scale;
        db.exec("insert into s_jie (j_class,j_date,z_id,j_chuMoney,j_ruMoney,j_yuMoney,j_jiege,"
                "j_jiekuanren) values (:c,:d,:z,:p,:r,:o,'亲戚','朋友')",
                {{"c", between(0, 1) ? "S" : "Z"},
                 {"d", firstDay.addDays(between(0, spanDays - 1))},
                 {"z", between(1, 6)},
                 {"p", principal},
                 {"r", repaid},
                 {"o", principal - repaid}});
    }
    const qint64 transfers = qMax<qint64>(10, shape.entries / 200);
    for (qint64 i = 0; i < transfers; ++i) {
        const qint64 from = between(1, 6);
        const qint64 to = from % 6 + 1;
        const QDateTime when(firstDay.addDays(between(0, spanDays - 1)),
                             QTime(int(between(8, 21)), 0));
        db.exec("insert into s_zhanghistory (zh1,zh2,zdate,zXmoney) values (:a,:b,:d,:m)",
                {{"a", from}, {"b", to}, {"d", when}, {"m", between(10, 5000) * Money::Scale}});
    }
    tx.commit();
}

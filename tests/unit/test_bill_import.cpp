#include "bills/alipay_bill.h"
#include "bills/csv_writer.h"
#include "bills/generic_csv.h"
#include "ledger/entry_export.h"
#include "ledger/import_plan.h"
#include "store/database.h"
#include "store/schema.h"
#include "temp_database.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Seeded sub-categories used below: 5 餐饮费, 6 日用品 (expense), 11 礼金收入 (income).
BillRow bankRow(const char *day, BillKind kind, qint64 yuan, const char *counterpart,
                const char *classification = "") {
    BillRow row;
    row.source = BillSource::Csv;
    row.time = QDateTime(QDate::fromString(QString::fromLatin1(day), Qt::ISODate), QTime(0, 0));
    row.kind = kind;
    row.amount = Money::fromYuan(yuan);
    row.counterpart = QString::fromUtf8(counterpart);
    row.classification = QString::fromUtf8(classification);
    return row;
}

BillRow numbered(BillRow row, const char *number, BillSource source = BillSource::Alipay) {
    row.source = source;
    row.transactionNumber = QString::fromLatin1(number);
    return row;
}

QList<BillRow> alipaySample() {
    QFile file(QStringLiteral(TALLYBEE_BILL_DATA "/alipay_bill.csv"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing sample");
    return readAlipayBill(file.readAll()).rows;
}

QStringList states(const ImportPlan &plan) {
    static const char *names[] = {"new", "possible", "imported", "skipped", "refused"};
    QStringList out;
    for (const ImportRow &row : plan.rows())
        out << QString::fromLatin1(names[int(row.state)]) + (row.included ? "+" : "");
    return out;
}

ImportBooks::WriteResult importAll(Database &db, const ImportPlan &plan) {
    return ImportBooks::write(db, plan.entries(), 1, 1);
}

int entryCount(Database &db) {
    return db.scalar("select count(*) from s_shouru").toInt();
}

} // namespace

class TestBillImport : public QObject {
    Q_OBJECT
private slots:
    void upgradeAddsTablesAndRulesForCategoriesStillThere() {
        QTemporaryDir dir;
        const QString path = dir.filePath("old.dll");
        {
            Database old = Database::create(path);
            old.execScript(Schema::script());
            old.exec("update s_fenlei set f_name = '吃饭' where f_name = '餐饮费'");
        }
        Database db = Database::open(path); // upgrades on open
        QCOMPARE(db.scalar("PRAGMA user_version").toInt(), Schema::currentVersion());
        QCOMPARE(db.scalar("select count(*) from s_daoru").toInt(), 0);
        QCOMPARE(db.scalar("select count(*) from s_daorugz where g_name = '餐饮美食'").toInt(), 0);
        QCOMPARE(db.scalar("select f_fenleiid from s_daorugz where g_name = '日用百货'").toInt(),
                 6);
        // A new file has every rule.
        TempDatabase fresh;
        QCOMPARE(fresh.db().scalar("select count(*) from s_daorugz").toInt(), 13);
    }

    void sameBillTwiceAddsNothing() {
        TempDatabase t;
        Database &db = t.db();
        const ImportPlan first = ImportPlan::build(db, alipaySample());
        QCOMPARE(states(first),
                 QStringList({"new+", "new+", "skipped", "skipped", "skipped", "skipped", "new+",
                              "new+", "skipped", "refused", "new+"}));
        QCOMPARE(importAll(db, first).written, 5);
        QCOMPARE(entryCount(db), 5);
        // Expenses 18.50 + 199 + 49.90, incomes 20 + 30 on the cash account.
        QCOMPARE(db.scalar("select z_yue from z_zhanghu where id = 1").toLongLong(), -2174000);
        QCOMPARE(db.scalar("select s_other from s_shouru where s_jine = 185000").toString(),
                 QStringLiteral("巷口面馆 牛肉面 大碗"));

        const ImportPlan again = ImportPlan::build(db, alipaySample());
        QCOMPARE(again.counts().imported, 5);
        QCOMPARE(again.counts().included, 0);
        QCOMPARE(importAll(db, again).written, 0);
        // A plan made before the first import (a preview left open) writes nothing twice.
        QCOMPARE(importAll(db, first).alreadyThere, 5);
        QCOMPARE(entryCount(db), 5);

        // A deleted entry's row is offered again, and importing it again is fine.
        db.exec("delete from s_shouru where s_jine = 185000");
        const ImportPlan third = ImportPlan::build(db, alipaySample());
        QCOMPARE(third.counts().included, 1);
        QCOMPARE(importAll(db, third).written, 1);
        QCOMPARE(db.scalar("select count(*) from s_daoru").toInt(), 5);
    }

    void rowsWithoutNumbers() {
        TempDatabase t;
        Database &db = t.db();
        const BillRow ride = bankRow("2024-03-02", BillKind::Expense, 3, "公交");
        // Two identical rides on one day are two entries.
        const ImportPlan two = ImportPlan::build(db, {ride, ride});
        QCOMPARE(states(two), QStringList({"new+", "new+"}));
        QCOMPARE(importAll(db, two).written, 2);
        // The statement again, now with a third ride: only that one is new.
        BillRow other = ride;
        other.amount = Money::fromYuan(4);
        const ImportPlan three = ImportPlan::build(db, {ride, other, ride, ride});
        QCOMPARE(states(three), QStringList({"imported", "new+", "imported", "new+"}));

        // Numbered rows: a number seen twice in one file is one trade; the same number
        // from another source is a different one.
        BillRow a = numbered(bankRow("2024-03-02", BillKind::Expense, 9, "店"), "N1");
        a.line = 7;
        const ImportPlan repeated =
            ImportPlan::build(db, {a, a, numbered(a, "N1", BillSource::WeChat)});
        QCOMPARE(states(repeated), QStringList({"new+", "imported", "new+"}));
        QCOMPARE(repeated.row(1).reason, QStringLiteral("与第7行重复"));
    }

    void handEntriesMakeRowsPossibleDuplicates() {
        TempDatabase t;
        Database &db = t.db();
        db.exec("insert into s_shouru (f_fenleiid, s_jine, s_userid, s_zhanghuid, s_date, f_class)"
                " values (5, 180000, 1, 1, '2024-03-02 00:00:00', 'Z')");
        const BillRow lunch = bankRow("2024-03-02", BillKind::Expense, 18, "面馆");
        const BillRow refund = bankRow("2024-03-02", BillKind::Income, 18, "面馆");
        // One hand entry accounts for one row; the income is not the same thing.
        const ImportPlan plan = ImportPlan::build(db, {lunch, lunch, refund});
        QCOMPARE(states(plan), QStringList({"possible", "new+", "new+"}));
        ImportPlan chosen = plan;
        QVERIFY(chosen.setIncluded(0, true));
        QCOMPARE(importAll(db, chosen).written, 3);
        // Imported entries are matched by their key, not taken for hand entries.
        QCOMPARE(ImportPlan::build(db, {lunch, lunch, refund}).counts().imported, 3);
    }

    void categoryProposals() {
        TempDatabase t;
        Database &db = t.db();
        const BillRow noodles =
            numbered(bankRow("2024-03-02", BillKind::Expense, 18, "面馆", "餐饮美食"), "A1");
        const BillRow shop =
            numbered(bankRow("2024-03-03", BillKind::Expense, 30, "超市", "日用百货"), "A2");
        const BillRow unknown =
            numbered(bankRow("2024-03-04", BillKind::Expense, 5, "某店", "其他"), "A3");
        const BillRow gift =
            numbered(bankRow("2024-03-05", BillKind::Income, 50, "超市", "转账红包"), "A4");
        ImportPlan plan = ImportPlan::build(db, {noodles, shop, unknown, gift});
        auto proposed = [&plan](int row) {
            return std::pair(plan.row(row).categoryId.value_or(-1), plan.row(row).source);
        };
        QCOMPARE(proposed(0), std::pair(qint64(5), CategorySource::Rule));
        QCOMPARE(proposed(1), std::pair(qint64(6), CategorySource::Rule));
        QCOMPARE(proposed(2), std::pair(qint64(5), CategorySource::Default)); // first expense one
        QCOMPARE(proposed(3), std::pair(qint64(11), CategorySource::Rule));

        // The user's choice: only a sub-category of the row's kind; a new default leaves it.
        QVERIFY(!plan.setCategory(1, 11));
        QVERIFY(!plan.setCategory(1, 4)); // a top-level category
        QVERIFY(plan.setCategory(1, 7));
        plan.setDefaultCategory(EntryKind::Expense, 23);
        QCOMPARE(proposed(1), std::pair(qint64(7), CategorySource::Chosen));
        QCOMPARE(proposed(2), std::pair(qint64(23), CategorySource::Default));
        db.exec("update s_daorugz set f_fenleiid = 20 where g_name = '餐饮美食'");
        plan.reloadRules(db);
        QCOMPARE(proposed(0), std::pair(qint64(20), CategorySource::Rule));
        QCOMPARE(proposed(1), std::pair(qint64(7), CategorySource::Chosen));
        QCOMPARE(importAll(db, plan).written, 4);

        // Next bill: the counterpart's last category of the same kind wins over the rule.
        const BillRow shopAgain =
            numbered(bankRow("2024-04-03", BillKind::Expense, 20, "超市", "日用百货"), "B1");
        const BillRow giftAgain =
            numbered(bankRow("2024-04-05", BillKind::Income, 50, "超市", ""), "B2");
        const ImportPlan next = ImportPlan::build(db, {shopAgain, giftAgain});
        QCOMPARE(next.row(0).categoryId, std::optional<qint64>(7));
        QCOMPARE(next.row(0).source, CategorySource::Counterpart);
        QCOMPARE(next.row(1).categoryId, std::optional<qint64>(11));

        // A counterpart whose category is gone falls back to the rules.
        db.exec("delete from s_fenlei where id = 7");
        QCOMPARE(ImportPlan::build(db, {shopAgain}).row(0).categoryId, std::optional<qint64>(6));
    }

    void remarks() {
        BillRow row = bankRow("2024-03-02", BillKind::Expense, 1, "文具店");
        row.item = QStringLiteral("笔记本\n两本");
        row.remark = QStringLiteral("文具店");
        QCOMPARE(ImportPlan::remarkFor(row), QStringLiteral("文具店 笔记本 两本"));
        // Cut to the column's 250 characters, never inside a character.
        row.item = QString(245, u'a') + QStringLiteral("😀x"); // the emoji straddles the end
        QCOMPARE(ImportPlan::remarkFor(row).size(), 4 + 245);
        row.item = QString(300, u'a');
        QCOMPARE(ImportPlan::remarkFor(row).size(), 250);
    }

    void exportReadsBackAsTheSameRows() {
        TempDatabase t;
        Database &db = t.db();
        db.exec("insert into s_shouru (f_fenleiid, s_jine, s_userid, s_other, s_zhanghuid, s_date,"
                " f_class) values (5, 125000, 1, '午饭, \"大碗\"', 1, '2024-03-02 00:00:00', 'Z'),"
                " (2, 85000000, 1, '三月\n工资', 1, '2024-03-05 00:00:00', 'S')");
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        CsvWriter writer(&buffer);
        QCOMPARE(exportEntries(db, writer), 2);
        const QList<CsvRecord> records = loadCsv(buffer.data());
        QCOMPARE(records.at(1).fields, QStringList({"2024-03-02", "支出", "餐饮费", "日常生活",
                                                    "管理员", "现金", "12.5", "午饭, \"大碗\""}));
        const BillReadResult read = readGenericCsv(records, guessCsvMapping(records));
        QCOMPARE(read.rows.size(), 2);
        QCOMPARE(read.rows[1].kind, BillKind::Income);
        QCOMPARE(read.rows[1].amount, Money::fromYuan(8500));
        QCOMPARE(read.rows[1].time.date(), QDate(2024, 3, 5));
        QCOMPARE(read.rows[1].remark, QStringLiteral("三月\n工资"));
    }
};

QTEST_GUILESS_MAIN(TestBillImport)
#include "test_bill_import.moc"

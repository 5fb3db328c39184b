#include "ledger/category_lists.h"
#include "ledger/category_store.h"
#include "store/database.h"
#include "temp_database.h"

#include <QTest>

namespace {

int count(Database &db, const char *sql) {
    return db.scalar(QString::fromUtf8(sql)).toInt();
}

// Entries under the expense category 居家住房 (12): two on 房租 (13), one on 物业费
// (14); and one on 餐饮费 (5) that must outlive every delete here.
void addEntries(Database &db) {
    db.exec("insert into s_shouru (f_fenleiid, s_jine, f_class, s_date) values "
            "(13, 10000, 'Z', '2026-12-01 00:00:00'), (13, 20000, 'Z', '2026-12-02 00:00:00'),"
            "(14, 30000, 'Z', '2026-12-03 00:00:00'), (5, 40000, 'Z', '2026-12-04 00:00:00')");
}

// Makes every later delete from the table fail, as a full disk or a lock would.
void breakDeletesFrom(Database &db, const char *table) {
    db.exec(QStringLiteral("create trigger no_delete before delete on %1 "
                           "begin select raise(abort, 'disk I/O error'); end")
                .arg(QString::fromUtf8(table)));
}

} // namespace

class TestCategories : public QObject {
    Q_OBJECT

private slots:
    void defaultCategoriesAreOneAndFour() {
        QVERIFY(CategoryStore::isDefault(1));
        QVERIFY(CategoryStore::isDefault(qlonglong(4)));
        QVERIFY(CategoryStore::isDefault(QStringLiteral("4")));
        QVERIFY(!CategoryStore::isDefault(12));
        QVERIFY(!CategoryStore::isDefault(QVariant()));
        QVERIFY(!CategoryStore::isDefault(QStringLiteral("")));
    }

    void topLevelDeleteTakesSubCategoriesBudgetAndEntries() {
        TempDatabase t;
        Database &db = t.db();
        addEntries(db);
        // Filed under the top-level category itself, as the entry page allows.
        db.exec("insert into s_shouru (f_fenleiid, s_jine, f_class, s_date) "
                "values (12, 50000, 'Z', '2026-12-05 00:00:00')");
        CategoryStore::deleteTopLevel(db, 12);
        QCOMPARE(count(db, "select count(*) from s_fenlei where id in (12, 13, 14)"), 0);
        QCOMPARE(count(db, "select count(*) from s_yushuan where f_id = 12"), 0);
        QCOMPARE(count(db, "select count(*) from s_shouru where f_fenleiid in (12, 13, 14)"), 0);
        QCOMPARE(count(db, "select count(*) from s_shouru where f_fenleiid = 5"), 1);
        QCOMPARE(count(db, "select count(*) from s_yushuan"), 4);
        QCOMPARE(count(db, "select count(*) from s_fenlei where f_id = 4"), 3);
    }

    // The last statement fails: nothing of the earlier ones may stay done.
    void topLevelDeleteThatFailsPartWayLeavesEverything() {
        TempDatabase t;
        Database &db = t.db();
        addEntries(db);
        breakDeletesFrom(db, "s_shouru");
        QVERIFY_THROWS_EXCEPTION(DbError, CategoryStore::deleteTopLevel(db, 12));
        QCOMPARE(count(db, "select count(*) from s_fenlei where id in (12, 13, 14)"), 3);
        QCOMPARE(count(db, "select count(*) from s_yushuan where f_id = 12"), 1);
        QCOMPARE(count(db, "select count(*) from s_shouru"), 4);
        // And the connection is usable again, not left inside a transaction.
        db.exec("drop trigger no_delete");
        CategoryStore::deleteTopLevel(db, 12);
        QCOMPARE(count(db, "select count(*) from s_shouru"), 1);
    }

    void subCategoryDeleteTakesItsEntriesOnly() {
        TempDatabase t;
        Database &db = t.db();
        addEntries(db);
        CategoryStore::deleteSubCategory(db, 13);
        QCOMPARE(count(db, "select count(*) from s_fenlei where id = 13"), 0);
        QCOMPARE(count(db, "select count(*) from s_fenlei where id in (12, 14)"), 2);
        QCOMPARE(count(db, "select count(*) from s_shouru"), 2);
    }

    void subCategoryDeleteThatFailsPartWayLeavesEverything() {
        TempDatabase t;
        Database &db = t.db();
        addEntries(db);
        breakDeletesFrom(db, "s_shouru");
        QVERIFY_THROWS_EXCEPTION(DbError, CategoryStore::deleteSubCategory(db, 13));
        QCOMPARE(count(db, "select count(*) from s_fenlei where id = 13"), 1);
        QCOMPARE(count(db, "select count(*) from s_shouru"), 4);
    }

    // Only top-level expense categories get a budget row, and only one each.
    void missingBudgetRowsAreAdded() {
        TempDatabase t;
        Database &db = t.db();
        db.exec("insert into s_fenlei (f_id, f_class, f_name) values (0, 'Z', '宠物'), "
                "(0, 'S', '理财收入'), (4, 'Z', '零食')");
        CategoryStore::addMissingBudgetRows(db);
        CategoryStore::addMissingBudgetRows(db);
        QCOMPARE(count(db, "select count(*) from s_yushuan"), 6);
        QCOMPARE(count(db, "select count(*) from s_yushuan y join s_fenlei f on f.id = y.f_id "
                           "where f.f_name = '宠物' and y.y_money is null"),
                 1);
    }

    // A sub-category typed under a top-level row that is not saved yet has no parent to
    // name; it must not be saved as a top-level category.
    void subCategoryOfAnUnsavedTopLevelGetsNoKeys() {
        TempDatabase t;
        Database &db = t.db();
        CategoryLists lists(db);
        lists.setKind(EntryKind::Expense);
        lists.showSubCategoriesOf(QVariant());
        const int sub = lists.subCategories().appendRow();
        lists.fillSubCategoryKeys(sub);
        lists.subCategories().setValue(sub, "项目名称", "孤儿");
        QVERIFY(lists.subCategories().save().ok);
        QCOMPARE(count(db, "select count(*) from s_fenlei where f_name = '孤儿' "
                           "and f_class is null"),
                 1);
    }
};

QTEST_GUILESS_MAIN(TestCategories)
#include "test_categories.moc"

#include "ledger/batch_table_model.h"
#include "store/database.h"
#include "temp_database.h"

#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

const char *SubCategories = "select id,f_id,f_class,f_name as 项目名称,f_pinyin as 快速代码 "
                            "from s_fenlei where f_id=:fid";

std::unique_ptr<BatchTableModel> subCategories(Database &db, int parent) {
    auto model = std::make_unique<BatchTableModel>(db);
    model->setTable("s_fenlei");
    model->setQuery(SubCategories, {{"fid", parent}});
    model->setBaseColumn("项目名称", "f_name");
    model->setBaseColumn("快速代码", "f_pinyin");
    model->load();
    return model;
}

int addCategory(BatchTableModel &m, const QString &name) {
    const int row = m.appendRow();
    m.setValue(row, "f_id", "4"); // the page fills its keys as text
    m.setValue(row, "f_class", "Z");
    m.setValue(row, "项目名称", name);
    return row;
}

QStringList names(const BatchTableModel &m) {
    QStringList list;
    for (int r = 0; r < m.rowCount(); ++r)
        list << m.value(r, "项目名称").toString();
    return list;
}

int countNamed(Database &db, const QString &name) {
    return db.scalar("select count(*) from s_fenlei where f_name=:n", {{"n", name}}).toInt();
}

int categoryCount(Database &db) {
    return db.scalar("select count(*) from s_fenlei").toInt();
}

} // namespace

class TestBatchModel : public QObject {
    Q_OBJECT

private slots:
    // The batch that fails on its last row is stored whole once that row is mended.
    void failedSaveKeepsEveryNewRowForTheRetry() {
        TempDatabase t;
        Database &db = t.db();
        auto m = subCategories(db, 4);
        QCOMPARE(names(*m), (QStringList{"餐饮费", "日用品", "水电燃气"}));
        const int before = categoryCount(db);

        addCategory(*m, "甲");
        addCategory(*m, "乙");
        const int third = addCategory(*m, "餐饮费");

        const auto failed = m->save();
        QVERIFY(!failed.ok);
        QCOMPARE(failed.row, third);
        QVERIFY2(failed.engineText.contains("UNIQUE"), qPrintable(failed.engineText));
        QCOMPARE(categoryCount(db), before);
        QCOMPARE(countNamed(db, "甲"), 0);

        // Still pending, exactly as typed.
        QVERIFY(m->hasPendingChanges());
        QCOMPARE(names(*m), (QStringList{"餐饮费", "日用品", "水电燃气", "甲", "乙", "餐饮费"}));
        for (int r = 3; r < 6; ++r) {
            QVERIFY(m->isNew(r));
            QVERIFY(m->isRowPending(r));
            QVERIFY(m->value(r, "id").isNull());
            QCOMPARE(m->value(r, "f_id").toLongLong(), 4);
            QCOMPARE(m->value(r, "f_class").toString(), QString("Z"));
        }

        QVERIFY(m->setValue(third, "项目名称", "丙"));
        const auto saved = m->save();
        QVERIFY2(saved.ok, qPrintable(saved.engineText));
        QVERIFY(!m->hasPendingChanges());
        QCOMPARE(categoryCount(db), before + 3);
        for (const char *name : {"甲", "乙", "丙"})
            QCOMPARE(countNamed(db, name), 1);
        QCOMPARE(countNamed(db, "餐饮费"), 1);

        for (int r = 3; r < 6; ++r) {
            QVERIFY(!m->isNew(r));
            const QVariant id = m->value(r, "id");
            QVERIFY(!id.isNull());
            QCOMPARE(db.scalar("select f_name from s_fenlei where id=:id and f_id=4 and "
                               "f_class='Z'",
                               {{"id", id}})
                         .toString(),
                     m->value(r, "项目名称").toString());
        }

        // Saving again writes nothing more.
        QVERIFY(m->save().ok);
        QCOMPARE(categoryCount(db), before + 3);
    }

    void failedSaveKeepsUpdatesAndDeletesForTheRetry() {
        TempDatabase t;
        Database &db = t.db();
        auto m = subCategories(db, 4);
        QVERIFY(m->setValue(0, "项目名称", "伙食费"));
        m->deleteRow(1);                           // 日用品
        const int added = addCategory(*m, "房租"); // taken by another category

        const auto failed = m->save();
        QVERIFY(!failed.ok);
        QCOMPARE(failed.row, added);
        QCOMPARE(countNamed(db, "餐饮费"), 1);
        QCOMPARE(countNamed(db, "伙食费"), 0);
        QCOMPARE(countNamed(db, "日用品"), 1);
        QCOMPARE(names(*m), (QStringList{"伙食费", "水电燃气", "房租"}));

        QVERIFY(m->setValue(added, "项目名称", "零食"));
        QVERIFY(m->save().ok);
        QCOMPARE(countNamed(db, "餐饮费"), 0);
        QCOMPARE(countNamed(db, "伙食费"), 1);
        QCOMPARE(countNamed(db, "日用品"), 0);
        QCOMPARE(countNamed(db, "零食"), 1);
    }

    void failingUpdateIsReportedOnItsRow() {
        TempDatabase t;
        auto m = subCategories(t.db(), 4);
        QVERIFY(m->setValue(2, "项目名称", "房租"));
        const auto failed = m->save();
        QVERIFY(!failed.ok);
        QCOMPARE(failed.row, 2);
        QVERIFY(m->isRowPending(2));
    }

    // Deletes go first, so a name freed in the batch can be taken by a new row.
    // Statements that must commit with the batch: their failure keeps the rows pending.
    void statementsBeforeTheCommitShareItsFate() {
        TempDatabase t;
        Database &db = t.db();
        auto m = subCategories(db, 4);
        const int row = m->appendRow();
        m->setValue(row, "f_id", 4);
        m->setValue(row, "f_class", "Z");
        m->setValue(row, "项目名称", "甲");
        const auto failed = m->save([&db] { db.exec("update no_such_table set x=1"); });
        QVERIFY(!failed.ok);
        QVERIFY(failed.engineText.contains("no_such_table"));
        QVERIFY(m->isRowPending(row));
        QCOMPARE(db.scalar("select count(*) from s_fenlei where f_name='甲'").toInt(), 0);

        QVERIFY(m->save([&db] { db.exec("update sys_sys set daytxt='批量后'"); }).ok);
        QCOMPARE(db.scalar("select count(*) from s_fenlei where f_name='甲'").toInt(), 1);
        // With nothing pending the statements still run.
        QVERIFY(m->save([&db] { db.exec("update sys_sys set daytxt='再次'"); }).ok);
        QCOMPARE(db.scalar("select daytxt from sys_sys").toString(), "再次");
    }

    void newRowMayTakeTheNameOfADeletedOne() {
        TempDatabase t;
        auto m = subCategories(t.db(), 4);
        m->deleteRow(0); // 餐饮费
        addCategory(*m, "餐饮费");
        QVERIFY(m->save().ok);
        QCOMPARE(countNamed(t.db(), "餐饮费"), 1);
    }

    void updateOfARowGoneFromTheDatabaseIsNotReportedAsSaved() {
        TempDatabase t;
        Database &db = t.db();
        auto m = subCategories(db, 4);
        QVERIFY(m->setValue(0, "项目名称", "伙食费"));
        db.exec("delete from s_fenlei where id=5");
        const auto result = m->save();
        QVERIFY(!result.ok);
        QCOMPARE(result.row, 0);
        QVERIFY(!result.engineText.isEmpty());
        QCOMPARE(countNamed(db, "伙食费"), 0);
    }

    void cancelRestoresTheLoadedRows() {
        TempDatabase t;
        Database &db = t.db();
        auto m = subCategories(db, 4);
        QVERIFY(m->setValue(1, "项目名称", "杂物"));
        m->deleteRow(0);
        m->deleteRow(1);
        addCategory(*m, "甲");
        QVERIFY(m->hasPendingChanges());

        m->cancel();
        QVERIFY(!m->hasPendingChanges());
        QCOMPARE(names(*m), (QStringList{"餐饮费", "日用品", "水电燃气"}));
        QCOMPARE(m->value(0, "id").toLongLong(), 5);
        QCOMPARE(countNamed(db, "杂物"), 0);
        QCOMPARE(countNamed(db, "甲"), 0);

        // After a save, cancel goes back to what was saved.
        addCategory(*m, "甲");
        QVERIFY(m->save().ok);
        QVERIFY(m->setValue(3, "项目名称", "乙"));
        m->cancel();
        QCOMPARE(names(*m), (QStringList{"餐饮费", "日用品", "水电燃气", "甲"}));
    }

    void reloadDropsPendingChanges() {
        TempDatabase t;
        auto m = subCategories(t.db(), 4);
        addCategory(*m, "甲");
        m->deleteRow(0);
        m->setParams({{"fid", 12}});
        m->load();
        QVERIFY(!m->hasPendingChanges());
        QCOMPARE(names(*m), (QStringList{"房租", "物业费"}));
    }

    void rowsNobodyFilledInAreNotSaved() {
        TempDatabase t;
        Database &db = t.db();
        auto m = subCategories(db, 4);
        const int before = categoryCount(db);
        m->appendRow();
        QVERIFY(!m->hasPendingChanges());
        QVERIFY(m->save().ok);
        QCOMPARE(categoryCount(db), before);

        // An unsaved row that is deleted simply goes.
        addCategory(*m, "甲");
        m->deleteRow(m->rowCount() - 1);
        QVERIFY(!m->hasPendingChanges());
    }

    // Untouched cells are left to the table: NULL, the column default, NOT NULL.
    void untouchedCellsAreNullNotEmptyText() {
        TempDatabase t;
        Database &db = t.db();
        auto m = subCategories(db, 4);
        const int row = m->appendRow();
        m->setValue(row, "f_class", "Z");
        const auto failed = m->save();
        QVERIFY(!failed.ok);
        QVERIFY2(failed.engineText.contains("NOT NULL"), qPrintable(failed.engineText));

        // A cell emptied by the user is NULL as well.
        m->setValue(row, "项目名称", "甲");
        m->setValue(row, "快速代码", "");
        QVERIFY(m->save().ok);
        QSqlQuery q = db.select("select f_id, f_pinyin from s_fenlei where f_name='甲'");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 0); // the column's default
        QVERIFY(q.value(1).isNull());
    }

    void quotesInANameAreStoredIntact() {
        TempDatabase t;
        Database &db = t.db();
        auto m = subCategories(db, 4);
        const QString name = QStringLiteral("O'Brien \"小\" 店; --");
        addCategory(*m, name);
        QVERIFY(m->save().ok);
        QCOMPARE(countNamed(db, name), 1);
        QVERIFY(m->setValue(3, "项目名称", name + "'"));
        QVERIFY(m->save().ok);
        QCOMPARE(countNamed(db, name + "'"), 1);
    }

    void moneyColumnsTakeOnlyNumbers() {
        TempDatabase t;
        Database &db = t.db();
        BatchTableModel m(db);
        m.setTable("s_yushuan");
        m.setQuery("select id,f_id,y_money as 预算金额,y_x from s_yushuan where f_id=:fid",
                   {{"fid", 4}});
        m.setBaseColumn("预算金额", "y_money");
        m.setColumnKind("预算金额", BatchTableModel::Kind::Money);
        m.load();
        const int money = m.column("预算金额");
        QCOMPARE(m.value(0, money).toLongLong(), 20000000); // raw ten-thousandths
        QCOMPARE(m.data(m.index(0, money), Qt::EditRole).toString(), QString("2000"));

        QSignalSpy refused(&m, &BatchTableModel::invalidValue);
        for (const char *bad : {"1 2", "abc", "12.5.1", "1e3"}) {
            QVERIFY2(!m.setData(m.index(0, money), QString::fromUtf8(bad)), bad);
            QCOMPARE(m.value(0, money).toLongLong(), 20000000);
        }
        QCOMPARE(refused.size(), 4);
        QCOMPARE(refused.at(0).at(0).toInt(), 0);
        QCOMPARE(refused.at(0).at(1).toInt(), money);
        QVERIFY(!refused.at(0).at(2).toString().isEmpty());
        QVERIFY(!m.setData(m.index(0, money), "99999999999999999999"));
        QVERIFY(!m.hasPendingChanges());

        QVERIFY(m.setData(m.index(0, money), "12.5"));
        QCOMPARE(m.value(0, money).toLongLong(), 125000);
        QVERIFY(m.save().ok);
        QSqlQuery q = db.select("select y_money, typeof(y_money) from s_yushuan where f_id=4");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toLongLong(), 125000);
        QCOMPARE(q.value(1).toString(), QString("integer"));
    }

    void datesAreWrittenInCanonicalForm() {
        TempDatabase t;
        Database &db = t.db();
        BatchTableModel m(db);
        m.setTable("s_zhanghistory");
        m.setQuery("select id,zh1,zh2,zdate as 转账时间,zXmoney as 转账金额 from s_zhanghistory");
        m.setBaseColumn("转账时间", "zdate");
        m.setBaseColumn("转账金额", "zXmoney");
        m.setColumnKind("转账时间", BatchTableModel::Kind::Date);
        m.setColumnKind("转账金额", BatchTableModel::Kind::Money);
        m.load();
        const int row = m.appendRow();
        QVERIFY(!m.setValue(row, "转账时间", "2024-13-01"));
        QVERIFY(!m.setValue(row, "zh1", "现金"));
        QVERIFY(m.setValue(row, "转账时间", "2024-5-3"));
        QVERIFY(m.setValue(row, "zh1", 1));
        QVERIFY(m.setValue(row, "转账金额", "100"));
        QCOMPARE(m.data(m.index(row, m.column("转账时间")), Qt::EditRole).toString(),
                 QString("2024-05-03"));
        QVERIFY(m.save().ok);
        QCOMPARE(db.scalar("select zdate from s_zhanghistory").toString(),
                 QString("2024-05-03 00:00:00"));

        QVERIFY(m.setValue(row, "转账时间", QDate(2024, 6, 1)));
        QVERIFY(m.save().ok);
        QCOMPARE(db.scalar("select zdate from s_zhanghistory").toString(),
                 QString("2024-06-01 00:00:00"));
    }

    // A worked-out column is shown and follows its row, but is never written.
    void computedColumnsAreNeverWritten() {
        TempDatabase t;
        Database &db = t.db();
        BatchTableModel m(db);
        m.setTable("s_jie");
        m.setQuery("select id,j_class,j_chuMoney as 借出金额,j_ruMoney as 已还金额 from s_jie "
                   "where j_class=:c",
                   {{"c", "Z"}});
        m.setBaseColumn("借出金额", "j_chuMoney");
        m.setBaseColumn("已还金额", "j_ruMoney");
        m.setColumnKind("借出金额", BatchTableModel::Kind::Money);
        m.setColumnKind("已还金额", BatchTableModel::Kind::Money);
        m.addComputedColumn(
            "余额",
            [](const BatchTableModel &model, int row) {
                return QVariant(model.value(row, "借出金额").toLongLong() -
                                model.value(row, "已还金额").toLongLong());
            },
            4);
        m.load();
        QCOMPARE(m.columnName(4), QString("余额"));
        QVERIFY(!(m.flags(m.index(0, 4)) & Qt::ItemIsEditable));

        const int row = m.appendRow();
        m.setValue(row, "j_class", "Z");
        m.setValue(row, "借出金额", "100");
        m.setValue(row, "已还金额", "30.5");
        QCOMPARE(m.value(row, "余额").toLongLong(), 695000);
        QVERIFY(!m.setValue(row, "余额", "1"));
        const auto result = m.save();
        QVERIFY2(result.ok, qPrintable(result.engineText));
        QCOMPARE(db.scalar("select j_chuMoney - j_ruMoney from s_jie").toLongLong(), 695000);
    }
};

QTEST_GUILESS_MAIN(TestBatchModel)
#include "test_batch_model.moc"

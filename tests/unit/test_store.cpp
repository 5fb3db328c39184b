#include "ledger/tidy.h"
#include "store/database.h"
#include "store/money.h"
#include "store/schema.h"
#include "temp_database.h"

#include <QFile>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

class TestStore : public QObject {
    Q_OBJECT
private slots:
    void seededDatabaseHasWhatTheProgramCountsOn() {
        TempDatabase t;
        Database &db = t.db();
        QCOMPARE(db.scalar("select isji from sys_sys where id=1").toInt(), 0);
        QCOMPARE(db.scalar("select sys_name from s_user where id=1").toString(), "管理员");
        QCOMPARE(db.scalar("select sys_pwd from s_user where id=1").toString(), "");
        QCOMPARE(db.scalar("select f_class||f_id from s_fenlei where id=1").toString(), "S0");
        QCOMPARE(db.scalar("select f_class||f_id from s_fenlei where id=4").toString(), "Z0");
        QCOMPARE(db.scalar("select z_name from z_zhanghu").toString(), "现金");
        // Every top-level expense category has its budget row.
        QCOMPARE(db.scalar("select count(*) from s_fenlei where f_id=0 and f_class='Z' and id not "
                           "in (select f_id from s_yushuan)")
                     .toInt(),
                 0);
        // Every sub-category has a quick code.
        QCOMPARE(db.scalar("select count(*) from s_fenlei where f_id<>0 and "
                           "(f_pinyin is null or f_pinyin='')")
                     .toInt(),
                 0);
    }

    void viewsExposeExactlyTheirColumns() {
        TempDatabase t;
        auto columns = [&](const QString &view) {
            QSqlRecord record = t.db().connection().record(view);
            QStringList names;
            for (int i = 0; i < record.count(); ++i)
                names << record.fieldName(i);
            return names.join(',');
        };
        QCOMPARE(columns("s_z_all"), "id,s_date,s_jine,s_other,f_class,f_name,sys_name,z_name");
        QCOMPARE(columns("v_flbb"), "f_id,dfenlei,xfenlei,s_jine,s_date,f_class");
        QCOMPARE(columns("s_ys"), "xid,f_name,s_jine,s_date");
    }

    void viewsKeepOrFilterEntriesAsReportsNeed() {
        TempDatabase t;
        Database &db = t.db();
        // An expense under 餐饮费 (5, below 4) whose member and account are gone, and an income.
        db.exec("insert into s_shouru (f_fenleiid,s_jine,s_userid,s_zhanghuid,s_date,f_class) "
                "values (5,100000,99,99,'2024-05-03 00:00:00','Z'),"
                "(2,50000,1,1,'2024-05-03 00:00:00','S')");
        QCOMPARE(db.scalar("select count(*) from s_z_all").toInt(), 2);
        QVERIFY(db.scalar("select sys_name from s_z_all where f_class='Z'").isNull());
        QCOMPARE(db.scalar("select dfenlei||'/'||xfenlei from v_flbb where f_class='Z'").toString(),
                 "日常生活/餐饮费");
        QCOMPARE(db.scalar("select count(*) from s_ys").toInt(), 1);
        QCOMPARE(db.scalar("select xid from s_ys").toInt(), 4);
    }

    void schemaRefusesBadRows() {
        TempDatabase t;
        Database &db = t.db();
        auto refused = [&](const char *sql) {
            try {
                db.exec(QString::fromUtf8(sql));
            } catch (const DbError &) {
                return true;
            }
            return false;
        };
        // Names are unique over both kinds, ignoring ASCII case, and never empty.
        QVERIFY(refused("insert into s_fenlei (f_id,f_class,f_name) values (1,'S','餐饮费')"));
        QVERIFY(refused("insert into s_fenlei (f_id,f_class,f_name) values (1,'S','')"));
        QVERIFY(refused("insert into s_fenlei (f_id,f_class) values (1,'S')"));
        db.exec("insert into s_fenlei (f_id,f_class,f_name) values (4,'Z','KTV')");
        QVERIFY(refused("insert into s_fenlei (f_id,f_class,f_name) values (1,'S','ktv')"));
        QVERIFY(refused("insert into s_fenlei (f_id,f_class,f_name) values (4,'Z','" +
                        QByteArray(51, 'a') + "')"));
        // Dates only in the canonical form, money only as integers.
        QVERIFY(refused("insert into s_shouru (s_date) values ('2024-05-03T00:00:00.000')"));
        QVERIFY(refused("insert into s_shouru (s_date) values ('2024-05-03')"));
        QVERIFY(refused("insert into s_shouru (s_jine) values (12.5)"));
        QVERIFY(refused("insert into s_shouru (s_jine) values ('12元')"));
        QVERIFY(
            !refused("insert into s_shouru (s_jine,s_date) values (125000,'2024-05-03 00:00:00')"));
        // A new top-level row takes f_id 0 from the default.
        db.exec("insert into s_fenlei (f_class,f_name) values ('Z','新大类')");
        QCOMPARE(db.scalar("select f_id from s_fenlei where f_name='新大类'").toInt(), 0);
    }

    void bindsQuotesAndDatesSafely() {
        TempDatabase t;
        Database &db = t.db();
        const QString remark = QStringLiteral("it's a \"quoted\" remark; drop table s_user; --");
        db.exec("insert into s_shouru (s_other,s_date,s_jine) values (:o,:d,:m)",
                {{"o", remark}, {"d", QDate(2024, 5, 3)}, {"m", Money::fromYuan(7)}});
        QCOMPARE(db.scalar("select s_other from s_shouru").toString(), remark);
        QCOMPARE(db.scalar("select s_date from s_shouru").toString(), "2024-05-03 00:00:00");
        QCOMPARE(db.scalar("select s_jine from s_shouru").toLongLong(), 70000);
        // A bound date-time keeps the canonical form too.
        db.exec("update s_shouru set s_date=:d",
                {{"d", QDateTime(QDate(2024, 5, 3), QTime(10, 0))}});
        QCOMPARE(db.scalar("select s_date from s_shouru").toString(), "2024-05-03 10:00:00");
        QCOMPARE(db.scalar("select count(*) from s_user").toInt(), 1);
    }

    void transactionRollsBackUnlessCommitted() {
        TempDatabase t;
        Database &db = t.db();
        try {
            Transaction tx(db);
            db.exec("insert into s_user (sys_name) values ('甲')");
            db.exec("insert into no_such_table values (1)");
            tx.commit();
        } catch (const DbError &e) {
            QVERIFY(e.text().contains("no_such_table"));
        }
        QCOMPARE(db.scalar("select count(*) from s_user").toInt(), 1);
        {
            Transaction outer(db);
            db.exec("insert into s_user (sys_name) values ('乙')");
            {
                Transaction inner(db); // nests without error, rolled back alone
                db.exec("insert into s_user (sys_name) values ('丙')");
            }
            outer.commit();
        }
        QCOMPARE(db.scalar("select group_concat(sys_name) from s_user where id>1").toString(),
                 "乙");
    }

    static OpenError::Reason reasonFor(const QString &path) {
        try {
            Database::open(path);
        } catch (const OpenError &e) {
            return e.reason();
        }
        return OpenError::Reason(-1);
    }

    void openRefusesWhatIsNotOurDatabase() {
        QTemporaryDir dir;
        const QString missing = dir.filePath("fmy.dll");
        try {
            Database::open(missing);
            QFAIL("opened a missing file");
        } catch (const OpenError &e) {
            QCOMPARE(e.reason(), OpenError::Missing);
        }
        QVERIFY(!QFile::exists(missing)); // never created

        QFile junk(dir.filePath("junk.dll"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();
        try {
            Database::open(junk.fileName());
            QFAIL("opened a file that is not a database");
        } catch (const OpenError &e) {
            QCOMPARE(e.reason(), OpenError::NotADatabase);
        }

        // A file of no bytes is an empty database to SQLite; it holds no books.
        const QString nothing = dir.filePath("nothing.dll");
        QVERIFY(QFile(nothing).open(QIODevice::WriteOnly));
        QCOMPARE(reasonFor(nothing), OpenError::NotADatabase);

        const QString empty = dir.filePath("empty.dll");
        Database::create(empty).exec("create table t (x)");
        QCOMPARE(reasonFor(empty), OpenError::NotTallybee);

        // Every table and view of the first schema is looked for, not only the settings.
        const QString lacking = dir.filePath("lacking.dll");
        Schema::createDatabase(lacking);
        Database::create(lacking).exec("drop view s_ys");
        Database::create(lacking).exec("drop table s_user");
        try {
            Database::open(lacking);
            QFAIL("opened a database without its tables");
        } catch (const OpenError &e) {
            QCOMPARE(e.reason(), OpenError::NotTallybee);
            QCOMPARE(e.missing(), (QStringList{"s_user", "s_ys"}));
        }

        // A copy cut short is damaged, found when the file is opened, not on some page.
        const QString cut = dir.filePath("cut.dll");
        Schema::createDatabase(cut);
        QFile cutFile(cut);
        QVERIFY(cutFile.resize(cutFile.size() / 3));
        QCOMPARE(reasonFor(cut), OpenError::Damaged);

        const QString newer = dir.filePath("newer.dll");
        Schema::createDatabase(newer);
        Database::create(newer).exec(
            QStringLiteral("PRAGMA user_version = %1").arg(Schema::currentVersion() + 1));
        try {
            Database::open(newer);
            QFAIL("opened a file from a newer version");
        } catch (const OpenError &e) {
            QCOMPARE(e.reason(), OpenError::TooNew);
        }
    }

    void engineErrorsAUserMeetsComeInTheirWordsFirst() {
        TempDatabase t;
        Database &db = t.db();
        const auto failure = [&db](const QString &sql) -> QString {
            try {
                db.exec(sql);
            } catch (const DbError &e) {
                return e.text();
            }
            return "no error";
        };
        const QString write = "insert into notebook (n_info) values (hex(randomblob(200000)))";

        db.exec("PRAGMA query_only = 1");
        QVERIFY(failure(write).startsWith("数据库文件是只读的，无法保存\nattempt to write"));
        db.exec("PRAGMA query_only = 0");

        // The file may not grow: what a full disk does to a save.
        db.exec(QString("PRAGMA max_page_count = %1").arg(db.scalar("PRAGMA page_count").toInt()));
        QVERIFY(failure(write).startsWith("磁盘已满，数据无法保存\n"));
        db.exec("PRAGMA max_page_count = 1073741823");

        // Another copy of the program in the middle of a save.
        Database other = Database::open(t.path());
        other.exec("BEGIN IMMEDIATE");
        db.exec("PRAGMA busy_timeout = 50");
        QVERIFY(failure(write).startsWith("数据库正被另一个Tallybee程序使用，请稍后再试\n"));
        other.exec("ROLLBACK");
        QCOMPARE(failure(write), "no error");

        QCOMPARE(failure("select sum(x) from (select 9223372036854775807 as x union all select 1)"),
                 "金额合计超出范围\ninteger overflow");
        QCOMPARE(failure("select * from no_such_table"), "no such table: no_such_table");
    }

    void moneySumNeverStopsAStatement() {
        TempDatabase t;
        Database &db = t.db();
        const QString big = "select 9223372036854775807 as x union all select 1";
        QVariant sum = db.scalar("select money_sum(x) from (" + big + ")");
        QCOMPARE(sum.metaType().id(), QMetaType::Double); // out of range
        bool outOfRange = false;
        QVERIFY(!Money::fromSum(sum, &outOfRange).has_value());
        QVERIFY(outOfRange);
        // Back in range at the end still counts as out: the engine's sum() stops there too.
        sum = db.scalar("select money_sum(x) from (" + big + " union all select -5)");
        QCOMPARE(sum.metaType().id(), QMetaType::Double);

        outOfRange = false;
        QCOMPARE(Money::fromSum(db.scalar("select money_sum(x) from (select -3 as x union all "
                                          "select null union all select 10)"),
                                &outOfRange),
                 Money::fromRaw(7));
        QVERIFY(!Money::fromSum(db.scalar("select money_sum(s_jine) from s_shouru"), &outOfRange));
        QVERIFY(!outOfRange); // nothing to sum is empty, not out of range
    }

    void openFindsAFileWithAwkwardCharactersInItsPath() {
        QTemporaryDir dir;
        const QString path = dir.filePath("家 #1?%.dll");
        Schema::createDatabase(path);
        Database db = Database::open(path);
        QCOMPARE(db.scalar("select id from sys_sys").toInt(), 1);
    }

    void upgradeStepsRunOnceInOrderAndAllOrNothing() {
        TempDatabase t;
        Database &db = t.db();
        const int base = Schema::currentVersion();
        const std::vector<Schema::UpgradeStep> steps = {
            {base + 1, "alter table s_user add column u_note TEXT"},
            {base + 2, "create table t_extra (x INTEGER); insert into t_extra values (7)"},
        };
        db.exec("insert into s_user (sys_name) values ('孩子')");
        Schema::upgrade(db, steps);
        QCOMPARE(db.scalar("PRAGMA user_version").toInt(), base + 2);
        QCOMPARE(db.scalar("select count(*) from s_user where u_note is null").toInt(), 2);
        // Applied steps are not run again (the table would already exist).
        Schema::upgrade(db, steps);
        QCOMPARE(db.scalar("select count(*) from t_extra").toInt(), 1);

        // A failing step leaves the file at its old version with nothing half-done.
        const std::vector<Schema::UpgradeStep> broken = {
            {base + 3, "create table t_more (x INTEGER)"},
            {base + 4, "insert into no_such_table values (1)"},
        };
        QVERIFY_THROWS_EXCEPTION(DbError, Schema::upgrade(db, broken));
        QCOMPARE(db.scalar("PRAGMA user_version").toInt(), base + 2);
        QVERIFY(!db.scalar("select 1 from sqlite_master where name='t_more'").isValid());
    }

    void tidyUpsRemoveOnlyDanglingRows() {
        TempDatabase t;
        Database &db = t.db();
        db.exec("insert into s_shouru (f_fenleiid,s_jine,f_class) values "
                "(5,1,'Z'),(999,2,'Z'),(0,3,'Z'),(NULL,4,'Z'),(1000,5,'Z'),(999,6,'Z')");
        db.exec("insert into s_fenlei (f_id,f_name) values (4,'无类别')");
        CleanEntries(db);
        // An entry without any category is kept, as "not in" keeps it.
        QCOMPARE(db.scalar("select group_concat(s_jine) from s_shouru order by s_jine").toString(),
                 "1,4");
        CleanCategories(db);
        QCOMPARE(db.scalar("select count(*) from s_fenlei where f_name='无类别'").toInt(), 0);
        QCOMPARE(db.scalar("select count(*) from s_fenlei where id in (1,4)").toInt(), 2);
        // A deleted category takes its entries at the next clean-up.
        db.exec("delete from s_fenlei where id=5");
        CleanEntries(db);
        QCOMPARE(db.scalar("select count(*) from s_shouru").toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"

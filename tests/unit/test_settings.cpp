#include "ledger/batch_table_model.h"
#include "ledger/user_queries.h"
#include "store/books_notifier.h"
#include "store/database.h"
#include "temp_database.h"
#include "tools/version_compare.h"

#include <QSignalSpy>
#include <QTest>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void versionIsComparedAsText() {
        const struct {
            const char *answer;
            bool newer;
        } cases[] = {{"50", false}, {"51", true},  {"6", true},   {"100", false},
                     {"5", false},  {"49", false}, {"", false},   {"50\n", true},
                     {"500", true}, {"5a", true},  {" 51", false}};
        for (const auto &c : cases)
            QVERIFY2(VersionCompare::isNewer(QString::fromUtf8(c.answer)) == c.newer, c.answer);
    }

    void deletingAUserTakesTheirEntriesOfBothKinds() {
        TempDatabase t;
        Database &db = t.db();
        db.exec("insert into s_user (id, sys_name) values (2, '妈妈'), (3, '小明')");
        db.exec("insert into s_shouru (s_userid, s_jine, f_class) values "
                "(2, 1, 'S'), (2, 2, 'Z'), (3, 3, 'Z'), (1, 4, 'S')");
        QSignalSpy members(&db.notifier(), &BooksNotifier::membersChanged);
        UserQueries::deleteUser(db, 2);
        QCOMPARE(db.scalar("select group_concat(id) from (select id from s_user order by id)")
                     .toString(),
                 "1,3");
        QCOMPARE(
            db.scalar("select group_concat(s_jine) from (select s_jine from s_shouru order by id)")
                .toString(),
            "3,4");
        QCOMPARE(members.count(), 1);

        // Both deletes or neither: an entry that cannot go keeps the user too.
        db.exec("create trigger keep before delete on s_shouru "
                "begin select raise(abort, 'kept'); end");
        QVERIFY_THROWS_EXCEPTION(DbError, UserQueries::deleteUser(db, 3));
        QCOMPARE(db.scalar("select count(*) from s_user where id = 3").toInt(), 1);
    }

    void namesAreCheckedBeforeASave() {
        TempDatabase t;
        Database &db = t.db();
        // An old pair of equal names does not block other saves.
        db.exec("insert into s_user (sys_name, sys_pwd) values ('Anna', ''), ('anna', '')");
        BatchTableModel model(db);
        UserQueries::configureUserList(model);
        model.load();
        QVERIFY(!UserQueries::checkNames(model));
        model.setValue(0, "密码", "new");
        QVERIFY(!UserQueries::checkNames(model));

        // A row added and never touched is not written, so it is not checked.
        const int row = model.appendRow();
        QVERIFY(!UserQueries::checkNames(model));
        for (const char *blank : {"", "  "}) {
            model.setValue(row, "用户名", blank);
            model.setValue(row, "密码", "x");
            const auto problem = UserQueries::checkNames(model);
            QVERIFY(problem);
            QCOMPARE(problem->row, row);
            QCOMPARE(problem->message, "对不起，用户名不能为空！");
        }
        model.setValue(row, "用户名", "管理员");
        QCOMPARE(UserQueries::checkNames(model)->message, "对不起，用户名“管理员”已经存在！");
        model.setValue(row, "用户名", "ANNA");
        QVERIFY(UserQueries::checkNames(model));
        model.setValue(row, "用户名", "爸爸");
        QVERIFY(!UserQueries::checkNames(model));
        // A stored row renamed onto another's name.
        model.setValue(2, "用户名", "爸爸");
        QCOMPARE(UserQueries::checkNames(model)->row, 2);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"

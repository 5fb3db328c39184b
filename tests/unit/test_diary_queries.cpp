#include "ledger/batch_table_model.h"
#include "ledger/diary_queries.h"
#include "store/database.h"
#include "temp_database.h"

#include <QTest>

namespace {

void note(Database &db, const char *when, const char *text) {
    db.exec("insert into notebook (n_date, n_info) values (:d, :t)", {{"d", when}, {"t", text}});
}

QStringList texts(const BatchTableModel &model) {
    QStringList out;
    for (int row = 0; row < model.rowCount(); ++row)
        out << model.value(row, DiaryQueries::textField()).toString();
    return out;
}

QString stored(Database &db) {
    return db
        .scalar("select group_concat(n_info, '|') from (select n_info from notebook"
                " order by n_date, id)")
        .toString();
}

} // namespace

class TestDiaryQueries : public QObject {
    Q_OBJECT

private slots:
    // A month runs from its first day to its last, whatever the time; oldest first.
    void monthIsBoundedOnBothSides() {
        TempDatabase t;
        note(t.db(), "2024-02-29 23:59:59", "leap day");
        note(t.db(), "2024-03-31 18:00:00", "last");
        note(t.db(), "2024-03-01 00:00:00", "first");
        note(t.db(), "2024-04-01 00:00:00", "april");
        BatchTableModel model(t.db());
        DiaryQueries::configureMonthList(model);
        DiaryQueries::loadMonth(model, 2024, 3);
        QCOMPARE(texts(model), (QStringList{"first", "last"}));
        DiaryQueries::loadMonth(model, 2024, 2);
        QCOMPARE(texts(model), QStringList{"leap day"});
    }

    void newNoteDate() {
        const QDate calendarDay(2024, 3, 15);
        QCOMPARE(DiaryQueries::newNoteDate(2024, 3, calendarDay), calendarDay);
        QCOMPARE(DiaryQueries::newNoteDate(2024, 4, calendarDay), QDate(2024, 4, 1));
        QCOMPARE(DiaryQueries::newNoteDate(2023, 3, calendarDay), QDate(2023, 3, 1));
        QCOMPARE(DiaryQueries::newNoteDate(2024, 3, QDate()), QDate(2024, 3, 1));
    }

    // A note that no month could list again is refused before anything is written.
    void writeRefusesUnreachableDates_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("message");
        QTest::newRow("no date") << ""
                                 << "日记的日期不能为空，请填写日期";
        QTest::newRow("before 1901") << "1900-12-31"
                                     << "日记的日期须在1901年至2099年之间";
        QTest::newRow("after 2099") << "2100-01-01"
                                    << "日记的日期须在1901年至2099年之间";
    }
    void writeRefusesUnreachableDates() {
        QFETCH(QString, date);
        QFETCH(QString, message);
        TempDatabase t;
        note(t.db(), "2024-03-05 00:00:00", "old");
        BatchTableModel model(t.db());
        DiaryQueries::configureMonthList(model);
        DiaryQueries::loadMonth(model, 2024, 3);
        model.setValue(0, DiaryQueries::textField(), QStringLiteral("edited"));
        const int row = DiaryQueries::appendNote(model, 2024, 3, QDate());
        model.setValue(row, DiaryQueries::dateField(), date);
        model.setValue(row, DiaryQueries::textField(), QStringLiteral("new"));

        const DiaryQueries::WriteResult refused = DiaryQueries::write(model);
        QVERIFY(!refused.ok);
        QCOMPARE(refused.row, row);
        QCOMPARE(refused.message, message);
        QCOMPARE(stored(t.db()), QStringLiteral("old"));
        QVERIFY(model.hasPendingChanges());

        model.setValue(row, DiaryQueries::dateField(), QStringLiteral("2024-03-09"));
        QVERIFY(DiaryQueries::write(model).ok);
        QCOMPARE(stored(t.db()), QStringLiteral("edited|new"));
        QVERIFY(!model.hasPendingChanges());
    }

    // A failure half-way rolls the written half back; the changes stay for a retry.
    void failedWriteRollsBack() {
        TempDatabase t;
        note(t.db(), "2024-03-05 00:00:00", "old");
        t.db().exec("create unique index one_a_day on notebook (n_date)");
        BatchTableModel model(t.db());
        DiaryQueries::configureMonthList(model);
        DiaryQueries::loadMonth(model, 2024, 3);
        model.setValue(0, DiaryQueries::textField(), QStringLiteral("edited"));
        const int row = DiaryQueries::appendNote(model, 2024, 3, QDate(2024, 3, 5));
        model.setValue(row, DiaryQueries::textField(), QStringLiteral("new"));

        const DiaryQueries::WriteResult failed = DiaryQueries::write(model);
        QVERIFY(!failed.ok);
        QVERIFY(failed.message.startsWith(QStringLiteral("日记保存失败：UNIQUE")));
        QCOMPARE(stored(t.db()), QStringLiteral("old"));
        QVERIFY(model.hasPendingChanges());

        // The retry begins a transaction of its own: the failed one did not stay open.
        t.db().exec("drop index one_a_day");
        QVERIFY(DiaryQueries::write(model).ok);
        QCOMPARE(stored(t.db()), QStringLiteral("edited|new"));
    }
};

QTEST_GUILESS_MAIN(TestDiaryQueries)
#include "test_diary_queries.moc"

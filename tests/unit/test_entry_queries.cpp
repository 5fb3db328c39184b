#include "entry/recent_days_chart.h"
#include "ledger/entry_checks.h"
#include "ledger/entry_queries.h"
#include "store/database.h"
#include "temp_database.h"

#include <QTest>

using namespace EntryQueries;

namespace {

const EntryKind Expense = EntryKind::Expense;
const EntryKind Income = EntryKind::Income;

// Seeded categories used below: 5 餐饮费 and 6 日用品 (expense), 2 工资收入 (income).
void addEntry(Database &db, int category, qint64 raw, const char *day, const char *kind,
              const QVariant &user = 1) {
    db.exec("insert into s_shouru (f_fenleiid,s_jine,s_userid,s_zhanghuid,s_date,f_class) "
            "values (:c,:a,:u,1,:d,:k)",
            {{"c", category},
             {"a", raw},
             {"u", user},
             {"d", QDate::fromString(QString::fromLatin1(day), Qt::ISODate)},
             {"k", kind}});
}

QStringList column(const QueryRows &rows, const QString &heading) {
    const qsizetype at = rows.headings.indexOf(heading);
    QStringList values;
    for (const QVariantList &row : rows.rows)
        values << (row.value(at).isNull() ? QStringLiteral("NULL") : row.value(at).toString());
    return values;
}

QStringList names(const QueryRows &rows) {
    return column(rows, QStringLiteral("项目"));
}

Money yuan(qint64 y) {
    return Money::fromYuan(y);
}

EntryForm goodForm() {
    EntryForm f;
    f.payer = QStringLiteral("管理员");
    f.payerId = 1;
    f.category = QStringLiteral("餐饮费");
    f.amount = QStringLiteral("12.5");
    f.account = QStringLiteral("现金");
    f.accountId = 1;
    f.remark = QStringLiteral("午饭");
    f.day = QDate(2026, 12, 9);
    return f;
}

} // namespace

class TestEntryQueries : public QObject {
    Q_OBJECT

private slots:
    void dayListShowsOneDayOfOneKindInEntryOrder() {
        TempDatabase t;
        Database &db = t.db();
        addEntry(db, 6, 900000, "2026-12-09", "Z");
        addEntry(db, 5, 5000, "2026-12-09", "Z", QVariant()); // no member: still listed
        addEntry(db, 2, 10000, "2026-12-09", "S");
        addEntry(db, 5, 7000, "2026-12-08", "Z");
        addEntry(db, 5, 8000, "2026-12-10", "Z");

        const QueryRows rows = dayList(db, Expense, QDate(2026, 12, 9));
        QCOMPARE(rows.headings,
                 QStringList({"编号", "时间", "项目", "收付款人", "金额", "账户", "备注"}));
        // In the order entered, not by amount (the day index ends in the amount).
        QCOMPARE(column(rows, "编号"), QStringList({"1", "2"}));
        QCOMPARE(column(rows, "金额"), QStringList({"900000", "5000"}));
        QCOMPARE(column(rows, "收付款人"), QStringList({"管理员", "NULL"}));
        QCOMPARE(column(rows, "时间").first(), QStringLiteral("2026-12-09 00:00:00"));
        QCOMPARE(dayList(db, Income, QDate(2026, 12, 9)).rows.size(), 1);
    }

    void quickSearchTakesWildcardsLiterally() {
        TempDatabase t;
        Database &db = t.db();
        db.exec("insert into s_fenlei (f_id,f_class,f_name,f_pinyin) values "
                "(4,'Z','九五折%','jwz'),(4,'Z','a_b','ab'),(4,'Z','c\\d','cd')");
        QCOMPARE(names(searchCategories(db, Expense, "%")), QStringList({"九五折%"}));
        QCOMPARE(names(searchCategories(db, Expense, "_")), QStringList({"a_b"}));
        QCOMPARE(names(searchCategories(db, Expense, "\\")), QStringList({"c\\d"}));
        QVERIFY(searchCategories(db, Expense, "a%b").rows.isEmpty());
        QCOMPARE(containsPattern("5%_\\"), QStringLiteral("%5\\%\\_\\\\%"));
        // A quote is just a character.
        QVERIFY(searchCategories(db, Expense, "'\"").rows.isEmpty());
    }

    void chartLabelsStayDistinctAndTheAxisShowsSmallBars() {
        const std::vector<DayTotal> days = {{QDate(2025, 12, 9), yuan(5)},
                                            {QDate(2026, 12, 9), Money::fromRaw(5000)},
                                            {QDate(2026, 12, 10), yuan(-3)}};
        const QStringList labels = dayLabels(days);
        QCOMPARE(labels.size(), 3);
        QCOMPARE(labels.at(0), QStringLiteral("12-09"));
        QVERIFY(labels.at(1) != labels.at(0));
        QVERIFY(labels.at(1).startsWith(QStringLiteral("12-09")));
        QCOMPARE(axisMinimum(days), 0.1);
        QCOMPARE(axisMinimum({}), 1.0);
    }

    void categoryNamesMatchWholeAndIgnoringAsciiCase() {
        TempDatabase t;
        Database &db = t.db();
        db.exec("insert into s_fenlei (id,f_id,f_class,f_name) values (40,4,'Z','KTV')");
        QCOMPARE(subCategoryId(db, Expense, "ktv"), std::optional<qint64>(40));
        QVERIFY(!subCategoryId(db, Expense, "餐饮"));
        QVERIFY(!subCategoryId(db, Income, "KTV"));
    }

    void insertUpdateAndDeleteAnEntry() {
        TempDatabase t;
        Database &db = t.db();
        EntryValues v;
        v.categoryId = 5;
        v.amount = Money::fromRaw(-20000);
        v.payerId = 1;
        v.accountId = 1;
        v.day = QDate(2026, 12, 9);
        const qint64 id = insertEntry(db, Expense, v);
        QSqlQuery q =
            db.select("select f_class,s_jine,s_date,s_other,s_userid from s_shouru where id=:id",
                      {{"id", id}});
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("Z"));
        QCOMPARE(q.value(1).toLongLong(), -20000);
        QCOMPARE(q.value(2).toString(), QStringLiteral("2026-12-09 00:00:00"));
        QVERIFY(!q.value(3).isNull()); // an empty remark is empty text
        QCOMPARE(q.value(3).toString(), QString());

        v.categoryId = 2;
        v.remark = QStringLiteral("it's \"quoted\"");
        v.day = QDate(2026, 12, 1);
        QCOMPARE(updateEntry(db, id, v), 1);
        QCOMPARE(db.scalar("select f_class || '|' || f_fenleiid || '|' || s_other || '|' || s_date "
                           "from s_shouru")
                     .toString(),
                 QStringLiteral("Z|2|it's \"quoted\"|2026-12-01 00:00:00"));
        QCOMPARE(updateEntry(db, id + 1, v), 0);
        QCOMPARE(deleteEntry(db, id), 1);
        QCOMPARE(db.scalar("select count(*) from s_shouru").toInt(), 0);
    }

    void saveRefusesInTheOrderTheUserIsTold() {
        TempDatabase t;
        Database &db = t.db();
        EntryForm f = goodForm();
        f.payer.clear();
        f.category.clear();
        f.amount = QStringLiteral("1 2");
        f.account.clear();
        auto refusal = [&] {
            const auto result = checkEntry(db, Expense, f);
            const auto *r = std::get_if<EntryRefusal>(&result);
            return r ? QString::number(int(r->field)) + r->message : QStringLiteral("stored");
        };
        auto expected = [](EntryField field, const char *message) {
            return QString::number(int(field)) + QString::fromUtf8(message);
        };
        QCOMPARE(refusal(), expected(EntryField::Payer, "对不起，请选择付款人"));
        f.payer = QStringLiteral("管理员");
        QCOMPARE(refusal(), expected(EntryField::Category, "对不起，请重新输入项目"));
        f.category = QStringLiteral("不存在");
        // An amount that is no number is not refused before the account and the
        // category lookup have had their say.
        QCOMPARE(refusal(), expected(EntryField::Account, "对不起，请选择账户"));
        f.account = QStringLiteral("现金");
        QCOMPARE(refusal(), expected(EntryField::Category, "对不起，请重新输入项目"));
        f.category = QStringLiteral("餐饮费");
        QCOMPARE(refusal(), expected(EntryField::Amount, "对不起，金额格式不正确"));
        // The zero check itself comes before the account.
        f.amount = QStringLiteral("0");
        f.account.clear();
        QCOMPARE(refusal(), expected(EntryField::Amount, "对不起，金额不能为零"));
    }

    void saveChecksReadTheAmountExactly() {
        TempDatabase t;
        Database &db = t.db();
        auto amountOf = [&db](const QString &text) -> std::optional<Money> {
            EntryForm f = goodForm();
            f.amount = text;
            const auto result = checkEntry(db, Expense, f);
            if (const auto *v = std::get_if<EntryValues>(&result))
                return v->amount;
            return std::nullopt;
        };
        // Only the bare "0" is refused as zero.
        QCOMPARE(amountOf("0.0"), std::optional<Money>(Money()));
        QCOMPARE(amountOf("00"), std::optional<Money>(Money()));
        QCOMPARE(amountOf("0."), std::optional<Money>(Money()));
        QCOMPARE(amountOf(".5"), std::optional<Money>(Money::fromRaw(5000)));
        QCOMPARE(amountOf("-2"), std::optional<Money>(yuan(-2)));
        QCOMPARE(amountOf("3.33333333333333"), std::optional<Money>(Money::fromRaw(33333)));
        // What the database could not hold, or would misread, is refused.
        QVERIFY(!amountOf("1E15"));
        QVERIFY(!amountOf(" 12"));
        QVERIFY(!amountOf("."));
        QVERIFY(!amountOf("922337203685478"));

        const auto result = checkEntry(db, Expense, goodForm());
        const auto &v = std::get<EntryValues>(result);
        QCOMPARE(v.categoryId, 5);
        QCOMPARE(v.amount, Money::fromRaw(125000));
        QCOMPARE(v.payerId.toInt(), 1);
        QCOMPARE(v.remark, QStringLiteral("午饭"));
    }
};

QTEST_GUILESS_MAIN(TestEntryQueries)
#include "test_entry_queries.moc"

#include "ledger/entry_queries.h"

#include "ledger/read_rows.h"
#include "store/database.h"
#include "store/dates.h"

#include <algorithm>

namespace EntryQueries {
namespace {

// An empty remark is stored as empty text, as typed, not as NULL.
QString remarkText(const QString &remark) {
    return remark.isNull() ? QStringLiteral("") : remark;
}

const QString CategoryColumns =
    QStringLiteral("select f_name as 项目, f_pinyin as 助记码, f_id from s_fenlei ");

} // namespace

QueryRows dayList(Database &db, EntryKind kind, const QDate &day) {
    return readAllRows(db.select(
        QStringLiteral("select id as 编号, s_date as 时间, f_name as 项目, sys_name as 收付款人,"
                       " s_jine as 金额, z_name as 账户, s_other as 备注"
                       " from s_z_all where f_class = :kind and s_date = :day order by id"),
        {{"kind", kind}, {"day", day}}));
}

QString containsPattern(const QString &text) {
    QString escaped;
    escaped.reserve(text.size() + 2);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

QueryRows searchCategories(Database &db, EntryKind kind, const QString &text) {
    // || gives NULL when the quick code is NULL, so such a category is not found.
    return readAllRows(db.select(
        CategoryColumns + QStringLiteral("where f_id <> 0 and f_class = :kind"
                                         " and f_name || f_pinyin like :pattern escape '\\'"
                                         " order by id"),
        {{"kind", kind}, {"pattern", containsPattern(text)}}));
}

QueryRows categoriesOfKind(Database &db, EntryKind kind) {
    return readAllRows(db.select(
        CategoryColumns + QStringLiteral("where f_id <> 0 and f_class = :kind order by id"),
        {{"kind", kind}}));
}

QueryRows categoriesUnder(Database &db, EntryKind kind, qint64 topId) {
    return readAllRows(db.select(
        CategoryColumns + QStringLiteral("where f_class = :kind and f_id = :top order by id"),
        {{"kind", kind}, {"top", topId}}));
}

QueryRows topCategories(Database &db, EntryKind kind) {
    return readAllRows(db.select(
        QStringLiteral("select id, f_name from s_fenlei where f_id = 0 and f_class = :sorz"
                       " order by id"),
        {{"sorz", kind}}));
}

std::vector<DayTotal> recentDays(Database &db, EntryKind kind) {
    // The entries view only adds names to s_shouru's rows; the table alone gives the
    // same sums and walks the day index backwards.
    // money_sum: a day beyond the currency range is left out instead of stopping the page.
    QSqlQuery q = db.select(QStringLiteral("select money_sum(s_jine) as aaa, s_date from s_shouru"
                                           " where f_class = :fenlei group by s_date"
                                           " order by s_date desc limit 7"),
                            {{"fenlei", kind}});
    std::vector<DayTotal> days;
    while (q.next()) {
        const auto moment = Dates::parse(q.value(1).toString());
        bool outOfRange = false;
        const auto amount = Money::fromSum(q.value(0), &outOfRange);
        if (!moment || outOfRange)
            continue;
        days.push_back({moment->date(), amount.value_or(Money())});
    }
    std::reverse(days.begin(), days.end());
    return days;
}

BudgetInfo budgetInfo(Database &db, qint64 topId, const QDate &day) {
    BudgetInfo info;
    info.title =
        db.scalar(QStringLiteral("select f_name from s_fenlei where id = :id"), {{"id", topId}})
            .toString();
    info.budget = Money::fromColumn(
        db.scalar(QStringLiteral("select y_money from s_yushuan where f_id = :id order by id"),
                  {{"id", topId}}));
    // v_flbb written out from the top-level category down: each sub-category's entries
    // of the month are one range of the category index (which holds the day), fast
    // with or without the database's statistics.
    // A month beyond the currency range (a file written elsewhere) leaves the figure empty
    // rather than failing, so picking the category still works.
    bool outOfRange = false;
    info.spent = Money::fromSum(
        db.scalar(QStringLiteral("select money_sum(s.s_jine) as a from s_fenlei top"
                                 " join s_fenlei sub on sub.f_id = top.id"
                                 " join s_shouru s on s.f_fenleiid = sub.id"
                                 " where top.id = :id and s.s_date between :first and :last"),
                  {{"id", topId},
                   {"first", Dates::firstOfMonth(day)},
                   {"last", Dates::lastOfMonth(day)}}),
        &outOfRange);
    return info;
}

IncomeInfo incomeInfo(Database &db, EntryKind kind, const QDate &day) {
    const QString sum =
        QStringLiteral("select money_sum(s_jine) as a from s_shouru"
                       " where f_class = :kind and s_date between :first and :last");
    const QDate previous = Dates::firstOfPreviousMonth(day);
    IncomeInfo info;
    bool outOfRange = false;
    info.lastMonth = Money::fromSum(
        db.scalar(sum,
                  {{"kind", kind}, {"first", previous}, {"last", Dates::lastOfMonth(previous)}}),
        &outOfRange);
    info.thisMonth = Money::fromSum(
        db.scalar(sum, {{"kind", kind}, {"first", Dates::firstOfMonth(day)}, {"last", day}}),
        &outOfRange);
    return info;
}

EntryRefs entryRefs(Database &db, qint64 entryId) {
    QSqlQuery q =
        db.select(QStringLiteral("select s_userid, s_zhanghuid from s_shouru where id = :id"),
                  {{"id", entryId}});
    EntryRefs refs;
    if (q.next()) {
        refs.payerId = q.value(0);
        refs.accountId = q.value(1);
    }
    return refs;
}

std::optional<qint64> subCategoryId(Database &db, EntryKind kind, const QString &name) {
    const QVariant id = db.scalar(QStringLiteral("select id from s_fenlei where f_name = :name"
                                                 " and f_class = :kind and f_id <> 0 order by id"),
                                  {{"name", name}, {"kind", kind}});
    if (!id.isValid() || id.isNull())
        return std::nullopt;
    return id.toLongLong();
}

qint64 insertEntry(Database &db, EntryKind kind, const EntryValues &v) {
    db.exec(QStringLiteral("insert into s_shouru (f_fenleiid, s_jine, s_userid, s_other,"
                           " s_zhanghuid, s_date, f_class)"
                           " values (:category, :amount, :payer, :remark, :account, :day, :kind)"),
            {{"category", v.categoryId},
             {"amount", v.amount},
             {"payer", v.payerId},
             {"remark", remarkText(v.remark)},
             {"account", v.accountId},
             {"day", v.day},
             {"kind", kind}});
    return db.scalar(QStringLiteral("select last_insert_rowid()")).toLongLong();
}

int updateEntry(Database &db, qint64 id, const EntryValues &v) {
    return db.exec(QStringLiteral("update s_shouru set f_fenleiid = :category, s_jine = :amount,"
                                  " s_userid = :payer, s_other = :remark, s_zhanghuid = :account,"
                                  " s_date = :day where id = :id"),
                   {{"category", v.categoryId},
                    {"amount", v.amount},
                    {"payer", v.payerId},
                    {"remark", remarkText(v.remark)},
                    {"account", v.accountId},
                    {"day", v.day},
                    {"id", id}});
}

int deleteEntry(Database &db, qint64 id) {
    return db.exec(QStringLiteral("delete from s_shouru where id = :id"), {{"id", id}});
}

QString membersSelect() {
    return QStringLiteral("select id, sys_name from s_user");
}

QString accountsSelect() {
    return QStringLiteral("select id, z_name from z_zhanghu");
}

} // namespace EntryQueries

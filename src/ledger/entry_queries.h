#pragma once

#include "store/entry_kind.h"
#include "store/money.h"

#include <QChar>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <vector>

class Database;

// The rows of a select as read: the column names (which are the grid headings) and
// the raw values (money as integer ten-thousandths, dates as canonical text).
struct QueryRows {
    QStringList headings;
    QList<QVariantList> rows;
    // Set by the reports when a sum left the currency range: its cell is NULL.
    bool sumOutOfRange = false;
};

// Everything the entry page asks of the database. No widgets here, so the tests and
// the bench run exactly what the page runs.
namespace EntryQueries {

// One day's entries of a kind, in the order they were made:
// 编号 时间 项目 收付款人 金额 账户 备注.
QueryRows dayList(Database &db, EntryKind kind, const QDate &day);

// Sub-categories of a kind whose name followed directly by its quick code contains
// `text` (a category without a quick code is not found): 项目 助记码 f_id.
QueryRows searchCategories(Database &db, EntryKind kind, const QString &text);
// Every sub-category of a kind, quick code or not.
QueryRows categoriesOfKind(Database &db, EntryKind kind);
// The sub-categories under one top-level category.
QueryRows categoriesUnder(Database &db, EntryKind kind, qint64 topId);
// id, f_name of the top-level categories of a kind.
QueryRows topCategories(Database &db, EntryKind kind);

// "%text%" for LIKE ... ESCAPE '\', with %, _ and \ in the text taken literally.
QString containsPattern(const QString &text);

struct DayTotal {
    QDate day;
    Money amount;
};
// The totals of the last seven days that have entries of a kind, oldest first.
std::vector<DayTotal> recentDays(Database &db, EntryKind kind);

// The information box of the expense page for a top-level category, in the month of `day`.
struct BudgetInfo {
    QString title;               // the category's name
    std::optional<Money> budget; // none when the category has no budget row
    std::optional<Money> spent;  // none when nothing was spent
};
BudgetInfo budgetInfo(Database &db, qint64 topId, const QDate &day);

// The information box of the income page: the month of `day` up to that day, and the
// whole month before (December of the year before, in January).
struct IncomeInfo {
    std::optional<Money> thisMonth;
    std::optional<Money> lastMonth;
};
IncomeInfo incomeInfo(Database &db, EntryKind kind, const QDate &day);

// The id of the sub-category of this kind with this name (ignoring ASCII case, as
// names are unique that way). A top-level name, or one of the other kind, gives none:
// an entry filed there would be missing from the category report and the budget.
// The member and account an entry is booked to, by id (NULL where it has none).
struct EntryRefs {
    QVariant payerId;
    QVariant accountId;
};
EntryRefs entryRefs(Database &db, qint64 entryId);

std::optional<qint64> subCategoryId(Database &db, EntryKind kind, const QString &name);

struct EntryValues {
    qint64 categoryId = 0;
    Money amount;
    QVariant payerId;   // s_user.id
    QVariant accountId; // z_zhanghu.id
    QString remark;
    QDate day;
};
// Gives the new entry's id.
qint64 insertEntry(Database &db, EntryKind kind, const EntryValues &values);
// Leaves the entry's kind as it was; gives the number of rows changed (0 when the entry
// is gone).
int updateEntry(Database &db, qint64 id, const EntryValues &values);
int deleteEntry(Database &db, qint64 id);

// The payer and account lists: id and name.
QString membersSelect();
QString accountsSelect();

} // namespace EntryQueries

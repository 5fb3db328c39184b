#include "bench_operation.h"
#include "ledger/entry_queries.h"
#include "store/database.h"

// The entry page's statements, as the page runs them: the day list on entry, Save and
// Delete; the quick search on every key typed into the category field; the information
// box when a category is picked; the chart on entry.
std::vector<BenchOperation> entryOperations(Database &db) {
    const QDate day(2026, 12, 9);
    const EntryKind expense = EntryKind::Expense;
    const EntryKind income = EntryKind::Income;
    return {
        {QStringLiteral("entry: day list (one day of expense)"),
         [&db, day, expense] { EntryQueries::dayList(db, expense, day); }},
        {QStringLiteral("entry: quick search \"c\""),
         [&db, expense] { EntryQueries::searchCategories(db, expense, QStringLiteral("c")); }},
        {QStringLiteral("entry: category list on click"),
         [&db, expense] { EntryQueries::categoriesOfKind(db, expense); }},
        {QStringLiteral("entry: info box (expense budget)"),
         [&db, day] { EntryQueries::budgetInfo(db, 4, day); }},
        {QStringLiteral("entry: info box (income months)"),
         [&db, day, income] { EntryQueries::incomeInfo(db, income, day); }},
        {QStringLiteral("entry: seven-day chart"),
         [&db, expense] { EntryQueries::recentDays(db, expense); }},
    };
}

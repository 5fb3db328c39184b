#include "bench_operation.h"
#include "ledger/statement_model.h"
#include "ledger/statement_queries.h"
#include "printout/page_layout.h"
#include "store/database.h"

#include <memory>

// The statement page over every year of the books: 查询 (the entries found from the
// day index), the list's first screen (its first block of rows read), and the preview's
// first page (the page arithmetic for every row, then that page's rows). The widths of
// the name columns, read only when optimal widths are asked for, are timed too.
std::vector<BenchOperation> statementOperations(Database &db) {
    const StatementFilter expense{QDate(1900, 1, 1), QDate(2999, 12, 31), EntryKind::Expense, {}};
    const StatementFilter income{QDate(1900, 1, 1), QDate(2999, 12, 31), EntryKind::Income, {}};
    StatementFilter member = expense;
    const QStringList members = StatementQueries::memberNames(db);
    member.member = members.value(1, members.value(0));

    // A statement already listed, as the preview finds it.
    auto listed = std::make_shared<StatementEntries>(StatementQueries::entries(db, expense));

    // A4 upright with 15 mm margins, the heights of the printout's fonts.
    PrintedParts parts;
    parts.paper = QSizeF(793.7, 1122.5);
    parts.margins = QMarginsF(56.7, 56.7, 56.7, 56.7);
    parts.header = 36;
    parts.title = 32;
    parts.footer = 24;
    parts.heading = 26;
    parts.row = 26;
    const GridShape grid{{100, 100, 100, 100, 100}, false, FitMode::ScaleGrid};

    return {
        {QStringLiteral("statement: query all years (%1 expense)").arg(listed->ids.size()),
         [&db, expense] { StatementQueries::entries(db, expense); }},
        {QStringLiteral("statement: query all years (income)"),
         [&db, income] { StatementQueries::entries(db, income); }},
        {QStringLiteral("statement: query all years, one member"),
         [&db, member] { StatementQueries::entries(db, member); }},
        {QStringLiteral("statement: query and first screen"),
         [&db, expense] {
             StatementModel model(db);
             model.query(expense);
             for (int r = 0; r < 25; ++r)
                 for (int c = 0; c < model.columnCount(); ++c)
                     model.index(r, c).data();
         }},
        {QStringLiteral("statement: preview page 1"),
         [&db, listed, parts, grid] {
             const PageLayout layout(parts, grid, int(listed->ids.size()));
             const PageLayout::Page page = layout.page(1);
             StatementQueries::rows(db, std::span(listed->ids).subspan(0, size_t(page.rows)));
         }},
        {QStringLiteral("statement: preview last page"),
         [&db, listed, parts, grid] {
             const PageLayout layout(parts, grid, int(listed->ids.size()));
             const PageLayout::Page page = layout.page(layout.pageCount());
             StatementQueries::rows(
                 db, std::span(listed->ids).subspan(size_t(page.firstRow), size_t(page.rows)));
         }},
        {QStringLiteral("statement: names for optimal widths"),
         [&db, expense] { StatementQueries::names(db, expense); }},
    };
}

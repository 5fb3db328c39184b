#include "bench_operation.h"
#include "ledger/category_report.h"
#include "ledger/journal_report.h"
#include "ledger/person_report.h"
#include "store/database.h"
#include "store/dates.h"

#include <QDate>

// The three report pages as their buttons run them, over a month, a year and the whole
// ledger (the generated books end on 2026-12-31 and reach back at most 40 years).
std::vector<BenchOperation> reportOperations(Database &db) {
    const struct {
        const char *name;
        QDate from, to;
    } periods[] = {{"month", QDate(2026, 6, 1), QDate(2026, 6, 30)},
                   {"year", QDate(2026, 1, 1), QDate(2026, 12, 31)},
                   {"all", QDate(1900, 1, 1), QDate(2026, 12, 31)}};
    std::vector<BenchOperation> operations;
    for (const auto &p : periods) {
        const QString period = QStringLiteral(" (%1)").arg(QString::fromLatin1(p.name));
        const QDate from = p.from, to = p.to;
        // 刷新: the day list, then the details of its first day.
        operations.push_back({QStringLiteral("journal refresh") + period, [&db, from, to] {
                                  const QueryRows days = JournalReport::dayTotals(db, from, to);
                                  if (days.rows.isEmpty())
                                      return;
                                  const auto first =
                                      Dates::parse(days.rows.first().first().toString());
                                  JournalReport::dayEntries(db, EntryKind::Expense, *first);
                                  JournalReport::dayEntries(db, EntryKind::Income, *first);
                              }});
        // 查询: the expense totals, then the details of the first (largest) category.
        operations.push_back({QStringLiteral("category report query") + period, [&db, from, to] {
                                  const QueryRows totals = CategoryReport::categoryTotals(
                                      db, from, to, EntryKind::Expense);
                                  if (!totals.rows.isEmpty())
                                      CategoryReport::detailTotals(
                                          db, from, to, totals.rows.first().first().toString());
                              }});
        operations.push_back({QStringLiteral("person list refresh") + period, [&db, from, to] {
                                  PersonReport::monthlyList(db, from, to, std::nullopt);
                              }});
        operations.push_back({QStringLiteral("person chart refresh") + period, [&db, from, to] {
                                  PersonReport::monthlyChart(db, from, to, std::nullopt);
                              }});
    }
    return operations;
}

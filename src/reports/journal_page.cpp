#include "reports/journal_page.h"

#include "core/error_policy.h"
#include "core/notices.h"
#include "core/services.h"
#include "ledger/journal_report.h"
#include "ledger/rows_model.h"
#include "ledger/tidy.h"
#include "reports/period_bar.h"
#include "reports/report_grids.h"
#include "store/dates.h"
#include "widgets/data_grid.h"

#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

constexpr int PageWidth = 765;
constexpr int PageHeight = 511;
constexpr int BarHeight = 40;
constexpr int DaysWidth = 292;

const QStringList EntryFields = {QStringLiteral("项目"), QStringLiteral("收付款人"),
                                 QStringLiteral("金额"), QStringLiteral("账户"),
                                 QStringLiteral("备注")};

DataGrid *entriesList(QWidget *page, const QString &title, const QRect &place, RowsModel *rows) {
    auto *box = new QGroupBox(title, page);
    box->setGeometry(place);
    DataGrid *grid = ReportGrids::makeIn(box, rows, EntryFields);
    grid->applyColumns({
        {.field = "项目", .width = 84},
        {.field = "收付款人", .width = 70},
        {.field = "金额", .width = 86, .format = ColumnFormat::Currency, .sum = true},
        {.field = "账户", .width = 74},
        {.field = "备注", .width = place.width() - 340},
    });
    return grid;
}

} // namespace

JournalPage::JournalPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("journalPage"));
    m_period = new PeriodBar(QStringLiteral("刷新"), this);
    m_period->setGeometry(0, 0, PageWidth, BarHeight);

    m_dayRows = new RowsModel(this);
    m_days = ReportGrids::make(this, m_dayRows,
                               {QStringLiteral("x_d"), QStringLiteral("a"), QStringLiteral("b")});
    m_days->setObjectName(QStringLiteral("journalDays"));
    m_days->setGeometry(6, BarHeight + 2, DaysWidth, PageHeight - BarHeight - 8);
    m_days->applyColumns({
        {.field = "x_d",
         .width = 96,
         .format = ColumnFormat::Date,
         .heading = QStringLiteral("日期")},
        {.field = "a",
         .width = 88,
         .format = ColumnFormat::Currency,
         .sum = true,
         .heading = QStringLiteral("收入")},
        {.field = "b",
         .width = 88,
         .format = ColumnFormat::Currency,
         .sum = true,
         .heading = QStringLiteral("支出")},
    });

    const int left = DaysWidth + 12;
    const int width = PageWidth - left - 6;
    const int height = (PageHeight - BarHeight - 4) / 2;
    m_expenseRows = new RowsModel(this);
    m_expenses = entriesList(this, QStringLiteral("支出明细"),
                             QRect(left, BarHeight - 4, width, height), m_expenseRows);
    m_expenses->setObjectName(QStringLiteral("expenseDetails"));
    m_incomeRows = new RowsModel(this);
    m_incomes = entriesList(this, QStringLiteral("收入明细"),
                            QRect(left, BarHeight - 2 + height, width, height), m_incomeRows);
    m_incomes->setObjectName(QStringLiteral("incomeDetails"));

    ErrorPolicy::connect(m_period->button(), &QPushButton::clicked, this, m_context.prompts,
                         &JournalPage::refresh);
    // The details follow the current day; a failure there leaves them empty, unsaid.
    connect(m_days, &DataGrid::currentRowChanged, this,
            [this] { ErrorPolicy::quietly([this] { showDayEntries(); }); });
}

void JournalPage::setUp() {
    const QDate today = m_context.clock.today();
    m_period->setPeriod(Dates::firstOfMonth(today), today);
}

void JournalPage::enter() {
    CleanEntries(m_context.db);
}

void JournalPage::refresh() {
    QueryRows days = JournalReport::dayTotals(m_context.db, m_period->from(), m_period->to());
    const bool outOfRange = days.sumOutOfRange;
    {
        // The list opens on its first day; the details follow that once, below.
        const QSignalBlocker quiet(m_days);
        m_dayRows->setRows(std::move(days));
        m_days->setSumsOutOfRange(outOfRange);
        m_days->setCurrentRow(0);
    }
    ErrorPolicy::quietly([this] { showDayEntries(); });
    // Said once the page is filled: the empty figure, the rest as usual.
    if (outOfRange)
        Notices::sumOutOfRange(m_context.prompts);
}

void JournalPage::showDayEntries() {
    m_expenseRows->setRows({EntryFields, {}});
    m_incomeRows->setRows({EntryFields, {}});
    const QVariant day = m_dayRows->value(m_days->currentRow(), QStringLiteral("x_d"));
    const auto moment = Dates::parse(day.toString());
    if (!moment)
        return;
    m_expenseRows->setRows(JournalReport::dayEntries(m_context.db, EntryKind::Expense, *moment));
    m_incomeRows->setRows(JournalReport::dayEntries(m_context.db, EntryKind::Income, *moment));
}

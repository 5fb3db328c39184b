#include "reports/category_report_page.h"

#include "core/error_policy.h"
#include "core/notices.h"
#include "core/services.h"
#include "ledger/category_report.h"
#include "ledger/rows_model.h"
#include "reports/period_bar.h"
#include "reports/report_grids.h"
#include "store/dates.h"
#include "widgets/data_grid.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

constexpr int PageWidth = 765;
constexpr int PageHeight = 511;
constexpr int BarHeight = 40;
constexpr int HintHeight = 24;

const QStringList TotalFields = {QStringLiteral("项目"), QStringLiteral("金额")};

DataGrid *totalsList(QWidget *page, const QString &title, const QRect &place, RowsModel *rows) {
    auto *box = new QGroupBox(title, page);
    box->setGeometry(place);
    DataGrid *grid = ReportGrids::makeIn(box, rows, TotalFields);
    grid->applyColumns({
        {.field = "项目", .width = place.width() - 150},
        {.field = "金额", .width = 120, .format = ColumnFormat::Currency, .sum = true},
    });
    return grid;
}

} // namespace

CategoryReportPage::CategoryReportPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("categoryReportPage"));
    m_period = new PeriodBar(QStringLiteral("查询"), this);
    m_period->setGeometry(0, 0, PageWidth, BarHeight);
    m_income = new QRadioButton(QStringLiteral("收入"), m_period);
    m_expense = new QRadioButton(QStringLiteral("支出"), m_period);
    m_expense->setChecked(true);
    auto *kinds = new QButtonGroup(this);
    kinds->addButton(m_income);
    kinds->addButton(m_expense);
    m_period->addChoice(m_income);
    m_period->addChoice(m_expense);

    const int listHeight = PageHeight - BarHeight - HintHeight;
    const int half = (PageWidth - 12) / 2;
    m_categoryRows = new RowsModel(this);
    m_categories = totalsList(this, QStringLiteral("项目分类统计"),
                              QRect(4, BarHeight - 4, half, listHeight), m_categoryRows);
    m_categories->setObjectName(QStringLiteral("categoryTotals"));
    m_detailRows = new RowsModel(this);
    m_details = totalsList(this, QStringLiteral("项目明细统计"),
                           QRect(half + 8, BarHeight - 4, half, listHeight), m_detailRows);
    m_details->setObjectName(QStringLiteral("detailTotals"));

    auto *hint =
        new QLabel(QStringLiteral("点击左侧的项目分类统计，在右侧列表中自动显示该分类下所有"
                                  "的明细项目收支情况。"),
                   this);
    hint->setGeometry(8, PageHeight - HintHeight - 2, PageWidth - 16, HintHeight);

    ErrorPolicy::connect(m_period->button(), &QPushButton::clicked, this, m_context.prompts,
                         &CategoryReportPage::query);
    // The details follow the current category; a failure there leaves them empty, unsaid.
    connect(m_categories, &DataGrid::currentRowChanged, this,
            [this] { ErrorPolicy::quietly([this] { showDetails(); }); });
}

void CategoryReportPage::setUp() {
    const QDate today = m_context.clock.today();
    m_period->setPeriod(Dates::firstOfMonth(today), today);
}

void CategoryReportPage::enter() {}

void CategoryReportPage::query() {
    const EntryKind kind = m_income->isChecked() ? EntryKind::Income : EntryKind::Expense;
    QueryRows totals =
        CategoryReport::categoryTotals(m_context.db, m_period->from(), m_period->to(), kind);
    m_outOfRangeSaid = false;
    const bool outOfRange = totals.sumOutOfRange;
    {
        // The list opens on its first category; the details follow that once, below.
        const QSignalBlocker quiet(m_categories);
        m_categoryRows->setRows(std::move(totals));
        m_categories->setSumsOutOfRange(outOfRange);
        m_categories->setCurrentRow(0);
    }
    ErrorPolicy::quietly([this] { showDetails(); });
    if (outOfRange)
        sayOutOfRange();
}

void CategoryReportPage::sayOutOfRange() {
    if (m_outOfRangeSaid)
        return;
    m_outOfRangeSaid = true;
    Notices::sumOutOfRange(m_context.prompts);
}

void CategoryReportPage::showDetails() {
    m_detailRows->setRows({TotalFields, {}});
    const int row = m_categories->currentRow();
    if (row < 0)
        return;
    // The pickers as they are now, which may differ from the left list's period.
    QueryRows details =
        CategoryReport::detailTotals(m_context.db, m_period->from(), m_period->to(),
                                     m_categoryRows->value(row, QStringLiteral("项目")).toString());
    const bool outOfRange = details.sumOutOfRange;
    m_detailRows->setRows(std::move(details));
    m_details->setSumsOutOfRange(outOfRange);
    if (outOfRange)
        sayOutOfRange();
}

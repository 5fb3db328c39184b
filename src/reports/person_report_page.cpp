#include "reports/person_report_page.h"

#include "core/error_policy.h"
#include "core/notices.h"
#include "core/services.h"
#include "ledger/person_report.h"
#include "ledger/rows_model.h"
#include "reports/month_bars_chart.h"
#include "reports/period_bar.h"
#include "reports/report_grids.h"
#include "store/dates.h"
#include "widgets/data_grid.h"

#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>

namespace {

constexpr int PageWidth = 765;
constexpr int PageHeight = 511;
constexpr int BarHeight = 40;
constexpr int TabBarHeight = 26;
const QString AllMembers = QStringLiteral("全部用户");

} // namespace

PersonReportPage::PersonReportPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("personReportPage"));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("personTabs"));
    m_tabs->setGeometry(0, 0, PageWidth, PageHeight);
    // Tabs of 73 by 26 pixels with the skin's one-pixel border, as on the other pages.
    m_tabs->setStyleSheet(
        QStringLiteral("QTabBar::tab { width: 71px; height: 24px; padding: 0px; }"));
    const int tabWidth = PageWidth - 4;
    const int tabHeight = PageHeight - TabBarHeight - 4;

    auto *listTab = new QWidget;
    m_listBar = makeBar(listTab);
    m_listRows = new RowsModel(this);
    m_list =
        ReportGrids::make(listTab, m_listRows,
                          {QStringLiteral("sname"), QStringLiteral("sdate"), QStringLiteral("s_s"),
                           QStringLiteral("s_z"), QStringLiteral("yu")});
    m_list->setObjectName(QStringLiteral("personList"));
    m_list->setGeometry(4, BarHeight, tabWidth - 8, tabHeight - BarHeight - 4);
    m_list->applyColumns({
        {.field = "sname", .width = 160, .heading = QStringLiteral("用户")},
        {.field = "sdate", .width = 115, .heading = QStringLiteral("月份")},
        {.field = "s_s",
         .width = 150,
         .format = ColumnFormat::Currency,
         .sum = true,
         .heading = QStringLiteral("收入")},
        {.field = "s_z",
         .width = 150,
         .format = ColumnFormat::Currency,
         .sum = true,
         .heading = QStringLiteral("支出")},
        {.field = "yu",
         .width = 150,
         .format = ColumnFormat::Currency,
         .sum = true,
         .heading = QStringLiteral("收支差额")},
    });
    m_tabs->addTab(listTab, QStringLiteral("人员报表"));

    m_chartTab = new QWidget;
    m_chartBar = makeBar(m_chartTab);
    m_chart = new MonthBarsChart(m_chartTab);
    m_chart->setObjectName(QStringLiteral("personChart"));
    m_chart->setAccessibleName(QStringLiteral("人员统计图表"));
    m_chart->setGeometry(4, BarHeight, tabWidth - 8, tabHeight - BarHeight - 4);
    m_tabs->addTab(m_chartTab, QStringLiteral("统计图表"));

    ErrorPolicy::connect(m_listBar.period->button(), &QPushButton::clicked, this, m_context.prompts,
                         &PersonReportPage::refreshList);
    ErrorPolicy::connect(m_chartBar.period->button(), &QPushButton::clicked, this,
                         m_context.prompts, &PersonReportPage::refreshChart);
    ErrorPolicy::connect(m_tabs, &QTabWidget::currentChanged, this, m_context.prompts,
                         [this](int index) {
                             if (m_tabs->widget(index) == m_chartTab)
                                 refreshChart();
                         });
}

PersonReportPage::Bar PersonReportPage::makeBar(QWidget *tab) {
    Bar bar;
    bar.period = new PeriodBar(QStringLiteral("刷新"), tab);
    bar.period->setGeometry(0, 0, PageWidth - 4, BarHeight);
    bar.member = new QComboBox(bar.period);
    bar.member->setAccessibleName(QStringLiteral("用户"));
    bar.member->setEditable(false);
    bar.member->setMinimumWidth(120);
    bar.member->addItem(AllMembers);
    bar.period->addChoice(bar.member);
    return bar;
}

void PersonReportPage::setUp() {
    const QDate today = m_context.clock.today();
    m_listBar.period->setPeriod(Dates::firstOfMonth(today), today);
}

void PersonReportPage::enter() {
    const QDate today = m_context.clock.today();
    m_chartBar.period->setPeriod(QDate(today.year(), 1, 1), today);
    const QStringList names = PersonReport::memberNames(m_context.db);
    for (QComboBox *box : {m_listBar.member, m_chartBar.member}) {
        box->clear();
        box->addItem(AllMembers);
        box->addItems(names);
        box->setCurrentIndex(0);
    }
}

std::optional<QString> PersonReportPage::chosenMember(const QComboBox *box) {
    // By place, not by text: a member who happens to be called "全部用户" is still one.
    if (box->currentIndex() <= 0)
        return std::nullopt;
    return box->currentText();
}

void PersonReportPage::refreshList() {
    QueryRows rows =
        PersonReport::monthlyList(m_context.db, m_listBar.period->from(), m_listBar.period->to(),
                                  chosenMember(m_listBar.member));
    const bool outOfRange = rows.sumOutOfRange;
    m_listRows->setRows(std::move(rows));
    m_list->setSumsOutOfRange(outOfRange);
    if (outOfRange)
        Notices::sumOutOfRange(m_context.prompts);
}

void PersonReportPage::refreshChart() {
    // A figure out of range has no bar: the month keeps its place and its other bar.
    const auto months =
        PersonReport::monthlyChart(m_context.db, m_chartBar.period->from(), m_chartBar.period->to(),
                                   chosenMember(m_chartBar.member));
    m_chart->setMonths(months);
    if (std::any_of(months.begin(), months.end(),
                    [](const PersonReport::MonthTotals &m) { return m.outOfRange; }))
        Notices::sumOutOfRange(m_context.prompts);
}

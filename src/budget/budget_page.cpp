#include "budget/budget_page.h"
#include "core/services.h"

#include "budget/budget_editor.h"
#include "core/app_context.h"
#include "core/error_policy.h"
#include "core/notices.h"
#include "ledger/budget_comparison_model.h"
#include "ledger/budget_queries.h"
#include "widgets/data_grid.h"
#include "widgets/page_parts.h"
#include "widgets/preset_spin_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

BudgetPage::BudgetPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("budgetPage"));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("budgetTabs"));
    m_tabs->addTab(buildComparisonTab(), QStringLiteral("预算查询"));

    auto *editorTab = new QWidget(m_tabs);
    auto *editorLayout = new QVBoxLayout(editorTab);
    editorLayout->setContentsMargins(8, 8, 8, 8);
    m_editor = new BudgetEditor(context, editorTab);
    editorLayout->addWidget(m_editor);
    m_tabs->addTab(editorTab, QStringLiteral("预算定制"));
    m_editorTab = editorTab;
    ErrorPolicy::connect(m_tabs, &QTabWidget::currentChanged, this, m_context.prompts,
                         &BudgetPage::tabChanged);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_tabs);
}

QWidget *BudgetPage::buildComparisonTab() {
    auto *tab = new QWidget(m_tabs);

    auto *hint = new QLabel(QStringLiteral("请选择月份进行对比分析"), tab);
    m_year = new PresetSpinBox(tab);
    m_year->setAccessibleName(QStringLiteral("年份"));
    m_year->setPickRange(1901, 2099);
    m_year->setFixedWidth(72);
    auto *yearLabel = new QLabel(QStringLiteral("年"), tab);
    m_month = new PresetSpinBox(tab);
    m_month->setAccessibleName(QStringLiteral("月份"));
    m_month->setPickRange(1, 12);
    m_month->setFixedWidth(60);
    auto *refreshButton = new QPushButton(QStringLiteral("刷新"), tab);
    refreshButton->setFixedSize(72, 26);
    ErrorPolicy::connect(refreshButton, &QPushButton::clicked, this, m_context.prompts,
                         &BudgetPage::refresh);

    m_comparison = new BudgetComparisonModel(this);
    m_comparisonGrid = new DataGrid(tab);
    m_comparisonGrid->setReadOnly(true);
    m_comparisonGrid->setRowHeight(22);
    m_comparisonGrid->setFitColumnsToWidth(true);
    m_comparisonGrid->setModel(m_comparison);
    m_comparisonGrid->setColumnFormat(BudgetComparisonModel::Spent, ColumnFormat::Currency);
    m_comparisonGrid->setColumnFormat(BudgetComparisonModel::Budget, ColumnFormat::Currency);

    auto *bar = new QHBoxLayout;
    bar->setSpacing(6);
    bar->addWidget(hint);
    bar->addSpacing(6);
    bar->addWidget(m_year);
    bar->addWidget(yearLabel);
    bar->addWidget(m_month);
    bar->addSpacing(6);
    bar->addWidget(refreshButton);
    bar->addStretch(1);

    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addLayout(bar);
    layout->addWidget(m_comparisonGrid, 1);
    return tab;
}

void BudgetPage::enter() {
    const QDate today = m_context.clock.today();
    m_month->preset(today.month());
    // This year, even when the box's years end before it.
    m_year->preset(today.year());
    // The comparison is to use an amount the user was still typing.
    m_editor->writePending();
    refresh();
    m_editor->reload();
}

bool BudgetPage::leave() {
    return PageParts::mayLeave(
        m_context.prompts, m_editor->hasPending(), [this] { return m_editor->writePending(); },
        [this] { m_editor->dropPending(); });
}

// Leaving the customisation tab with an amount not written yet asks about it; Cancel
// goes back to it.
void BudgetPage::tabChanged(int index) {
    if (m_tabs->widget(m_shownTab) == m_editorTab && m_tabs->widget(index) != m_editorTab &&
        !leave()) {
        const QSignalBlocker quiet(m_tabs);
        m_tabs->setCurrentIndex(m_shownTab);
        return;
    }
    m_shownTab = index;
}

void BudgetPage::refresh() {
    m_comparison->clear();
    const auto rows = budgetComparison(m_context.db, m_year->value(), m_month->value());
    m_comparison->setRows(rows);
    if (std::any_of(rows.begin(), rows.end(),
                    [](const BudgetComparisonRow &row) { return row.spentOutOfRange; }))
        Notices::sumOutOfRange(m_context.prompts);
}

#pragma once

#include <QDate>
#include <QWidget>

#include "widgets/page.h"

#include "core/app_context.h"
class BudgetComparisonModel;
class BudgetEditor;
class DataGrid;
class PresetSpinBox;
class QTabWidget;

// 预算设定: a month's spending per top-level expense category beside its budget
// (预算查询), and the budget amounts themselves (预算定制).
class BudgetPage : public QWidget, public Page {
    Q_OBJECT

public:
    explicit BudgetPage(const AppContext &context, QWidget *parent = nullptr);

    // Opens on today's month, compared at once; the tab last open stays open.
    void enter() override;
    // An amount typed and not written yet: asks whether to save it first.
    bool leave() override;
    // Compares the month the year and month boxes show.
    void refresh();

private:
    QWidget *buildComparisonTab();
    void tabChanged(int index);

    AppContext m_context;
    QTabWidget *m_tabs;
    PresetSpinBox *m_year = nullptr;
    PresetSpinBox *m_month = nullptr;
    BudgetComparisonModel *m_comparison = nullptr;
    DataGrid *m_comparisonGrid = nullptr;
    BudgetEditor *m_editor = nullptr;
    QWidget *m_editorTab = nullptr;
    int m_shownTab = 0;
};

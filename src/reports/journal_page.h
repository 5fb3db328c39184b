#pragma once

#include "core/app_context.h"
#include "widgets/page.h"

#include <QWidget>

class DataGrid;
class PeriodBar;
class RowsModel;

// 流水报表: income and expense by day over a period, with the entries of a day.
class JournalPage : public QWidget, public Page {
    Q_OBJECT
public:
    explicit JournalPage(const AppContext &context, QWidget *parent = nullptr);

    // The period from the first of this month to today.
    void setUp() override;
    // Tidies away entries whose category is gone; the lists stay as they were.
    void enter() override;
    // 刷新: the days of the period, and the entries of the first of them.
    void refresh();

private:
    void showDayEntries();

    AppContext m_context;
    PeriodBar *m_period = nullptr;
    DataGrid *m_days = nullptr;
    DataGrid *m_expenses = nullptr;
    DataGrid *m_incomes = nullptr;
    RowsModel *m_dayRows = nullptr;
    RowsModel *m_expenseRows = nullptr;
    RowsModel *m_incomeRows = nullptr;
};

#pragma once

#include "core/app_context.h"
#include "widgets/page.h"

#include <QWidget>

class DataGrid;
class PeriodBar;
class QRadioButton;
class RowsModel;

// 分类报表: totals by top-level category over a period, with their sub-categories.
class CategoryReportPage : public QWidget, public Page {
    Q_OBJECT
public:
    explicit CategoryReportPage(const AppContext &context, QWidget *parent = nullptr);

    // The period from the first of this month to today.
    void setUp() override;
    // Nothing to do: the lists keep what they showed.
    void enter() override;
    // 查询: the totals of the chosen kind by top-level category, and the details of the
    // first.
    void query();

private:
    void showDetails();
    // The notice of a total out of range, once per query however the details move.
    void sayOutOfRange();

    AppContext m_context;
    PeriodBar *m_period = nullptr;
    QRadioButton *m_income = nullptr;
    QRadioButton *m_expense = nullptr;
    DataGrid *m_categories = nullptr;
    DataGrid *m_details = nullptr;
    RowsModel *m_categoryRows = nullptr;
    RowsModel *m_detailRows = nullptr;
    bool m_outOfRangeSaid = false;
};

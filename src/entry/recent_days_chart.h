#pragma once

#include "ledger/entry_queries.h"

#include <QGroupBox>

class QBarCategoryAxis;
class QBarSet;
class QChartView;
class QLogValueAxis;

// "最近七次金额变化": the totals of the last seven days with entries, as red bars on a
// logarithmic scale that stops at a fixed top.
class RecentDaysChart : public QGroupBox {
    Q_OBJECT
public:
    static constexpr double AxisMaximum = 6361.64;

    explicit RecentDaysChart(QWidget *parent = nullptr);
    void setDays(const std::vector<EntryQueries::DayTotal> &days);

private:
    QChartView *m_view;
    QBarSet *m_bars;
    QBarCategoryAxis *m_dates;
    QLogValueAxis *m_values;
};

// "MM-dd" for each day. Days a year apart read the same, and a category axis keeps
// only one of equal labels, so a repeat gets invisible zero-width spaces appended.
QStringList dayLabels(const std::vector<EntryQueries::DayTotal> &days);
// The bottom of the logarithmic axis: 1, or a lower power of ten that still shows the
// smallest positive bar.
double axisMinimum(const std::vector<EntryQueries::DayTotal> &days);

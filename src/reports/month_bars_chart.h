#pragma once

#include "ledger/person_report.h"

#include <QChartView>
#include <QList>

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QValueAxis;

// The person report's chart: income (green) and expense (red) of each month as a pair
// of bars side by side, drawn with depth (a lit top and a shaded side face), each bar
// marked with its value, the months along the bottom and a legend of the two series.
// No title and no zooming.
class MonthBarsChart : public QChartView {
    Q_OBJECT
public:
    explicit MonthBarsChart(QWidget *parent = nullptr);

    void setMonths(const std::vector<PersonReport::MonthTotals> &months);

    // The value marks as drawn over the bars, income bars first, then expense bars; a
    // month without entries of a kind has no bar and no mark.
    QStringList valueMarks() const;

protected:
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    struct Bar {
        int set;      // 0 income, 1 expense
        int category; // month
        qreal value;
        QString mark;
    };
    // The bar's front face in scene coordinates, as the series lays it out.
    QRectF frontFace(const Bar &bar) const;

    QBarSeries *m_series;
    QBarSet *m_income;
    QBarSet *m_expense;
    QBarCategoryAxis *m_months;
    QValueAxis *m_values;
    QList<Bar> m_bars; // in drawing order: month by month, income before expense
};

// An amount as the chart marks it: "12,345.6" (grouped, no trailing zeros).
QString chartMark(Money amount);

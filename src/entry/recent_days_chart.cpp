#include "entry/recent_days_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLinearGradient>
#include <QLogValueAxis>
#include <QVBoxLayout>
#include <cmath>

QStringList dayLabels(const std::vector<EntryQueries::DayTotal> &days) {
    QStringList labels;
    for (const EntryQueries::DayTotal &d : days) {
        QString label = d.day.toString(QStringLiteral("MM-dd"));
        while (labels.contains(label))
            label += QChar(0x200B);
        labels << label;
    }
    return labels;
}

double axisMinimum(const std::vector<EntryQueries::DayTotal> &days) {
    double minimum = 1;
    for (const EntryQueries::DayTotal &d : days) {
        const double value = d.amount.toDouble();
        if (value > 0 && value < minimum)
            minimum = std::pow(10.0, std::floor(std::log10(value)));
    }
    return minimum;
}

RecentDaysChart::RecentDaysChart(QWidget *parent)
    : QGroupBox(QStringLiteral("最近七次金额变化"), parent) {
    setObjectName(QStringLiteral("GroupBox5"));
    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(0, 2, 4, 0));
    chart->layout()->setContentsMargins(0, 0, 0, 0);

    // One series and one pair of axes for the page's life: axes taken out of a chart
    // linger on screen until the event loop has run.
    m_bars = new QBarSet(QString());
    // Lit from the left like a rounded bar.
    QLinearGradient red(0, 0, 1, 0);
    red.setCoordinateMode(QGradient::ObjectBoundingMode);
    red.setColorAt(0, QColor(255, 150, 150));
    red.setColorAt(0.45, QColor(230, 30, 30));
    red.setColorAt(1, QColor(140, 0, 0));
    m_bars->setBrush(red);
    m_bars->setPen(QPen(QColor(120, 0, 0), 0.5));
    auto *series = new QBarSeries;
    series->append(m_bars);
    series->setBarWidth(0.4);
    chart->addSeries(series);

    QFont small = font();
    small.setPixelSize(9);
    m_dates = new QBarCategoryAxis;
    m_dates->setLabelsFont(small);
    m_dates->setGridLineVisible(false);
    m_dates->setTruncateLabels(false);
    chart->addAxis(m_dates, Qt::AlignBottom);
    series->attachAxis(m_dates);

    m_values = new QLogValueAxis;
    m_values->setBase(10);
    m_values->setRange(1, AxisMaximum);
    m_values->setLabelFormat(QStringLiteral("%g"));
    m_values->setLabelsAngle(270);
    m_values->setLabelsFont(small);
    chart->addAxis(m_values, Qt::AlignLeft);
    series->attachAxis(m_values);

    m_view = new QChartView(chart, this);
    m_view->setObjectName(QStringLiteral("Chart1"));
    m_view->setAccessibleName(title());
    m_view->setRenderHint(QPainter::Antialiasing);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 14, 2, 2);
    layout->addWidget(m_view);
}

void RecentDaysChart::setDays(const std::vector<EntryQueries::DayTotal> &days) {
    m_bars->remove(0, m_bars->count());
    QList<qreal> values;
    for (const EntryQueries::DayTotal &d : days)
        values << d.amount.toDouble();
    m_bars->append(values);
    m_dates->clear();
    m_dates->append(dayLabels(days));
    m_values->setRange(axisMinimum(days), AxisMaximum);
    // The axes take their new room at the next layout pass; do it now, so a picture
    // taken straight away is right too.
    m_view->chart()->layout()->invalidate();
    m_view->chart()->layout()->activate();
}

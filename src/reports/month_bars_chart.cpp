#include "reports/month_bars_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QValueAxis>
#include <algorithm>

namespace {

const QColor IncomeColour(34, 160, 60);
const QColor ExpenseColour(215, 35, 35);
constexpr qreal BarWidth = 0.7; // of a month's room, for both bars together

// Lit from the left, like a rounded face.
QBrush frontBrush(const QColor &colour) {
    QLinearGradient gradient(0, 0, 1, 0);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0, colour.lighter(150));
    gradient.setColorAt(0.4, colour);
    gradient.setColorAt(1, colour.darker(140));
    return gradient;
}

QBarSet *barSet(const QString &name, const QColor &colour) {
    auto *set = new QBarSet(name);
    set->setBrush(frontBrush(colour));
    set->setPen(QPen(colour.darker(170), 0.5));
    return set;
}

} // namespace

QString chartMark(Money amount) {
    QString text = amount.toPlain();
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text.remove(0, 1);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    for (qsizetype at = (point < 0 ? text.size() : point) - 3; at > 0; at -= 3)
        text.insert(at, QLatin1Char(','));
    return negative ? QLatin1Char('-') + text : text;
}

MonthBarsChart::MonthBarsChart(QWidget *parent) : QChartView(parent) {
    auto *chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 14, 14, 2)); // room for the depth and the top marks

    m_income = barSet(QStringLiteral("收入"), IncomeColour);
    m_expense = barSet(QStringLiteral("支出"), ExpenseColour);
    m_series = new QBarSeries;
    m_series->append(m_income);
    m_series->append(m_expense);
    m_series->setBarWidth(BarWidth);
    chart->addSeries(m_series);

    QFont small = font();
    small.setPixelSize(10);
    m_months = new QBarCategoryAxis;
    m_months->setLabelsFont(small);
    m_months->setGridLineVisible(false);
    chart->addAxis(m_months, Qt::AlignBottom);
    m_series->attachAxis(m_months);
    m_values = new QValueAxis;
    m_values->setLabelsFont(small);
    m_values->setLabelFormat(QStringLiteral("%.0f"));
    m_values->setRange(0, 1);
    chart->addAxis(m_values, Qt::AlignLeft);
    m_series->attachAxis(m_values);

    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::NoRubberBand);
}

void MonthBarsChart::setMonths(const std::vector<PersonReport::MonthTotals> &months) {
    m_bars.clear();
    QStringList labels;
    QList<qreal> income, expense;
    qreal low = 0, high = 0;
    for (const PersonReport::MonthTotals &m : months) {
        const int category = int(labels.size());
        labels << m.month;
        income << (m.income ? m.income->toDouble() : 0);
        expense << (m.expense ? m.expense->toDouble() : 0);
        if (m.income)
            m_bars.append({0, category, income.last(), chartMark(*m.income)});
        if (m.expense)
            m_bars.append({1, category, expense.last(), chartMark(*m.expense)});
        low = std::min({low, income.last(), expense.last()});
        high = std::max({high, income.last(), expense.last()});
    }
    m_income->remove(0, m_income->count());
    m_expense->remove(0, m_expense->count());
    m_months->clear();
    m_income->append(income);
    m_expense->append(expense);
    m_months->append(labels);
    // Head room above (and below) the bars for their depth and value marks.
    const qreal room = high - low > 0 ? (high - low) * 0.15 : 1;
    m_values->setRange(low < 0 ? low - room : 0, high > 0 || low == 0 ? high + room : 0);
    m_values->applyNiceNumbers();
    // The axes take their new room at the next layout pass; do it now, so a picture taken
    // straight away is right too.
    chart()->layout()->invalidate();
    chart()->layout()->activate();
    viewport()->update();
}

QStringList MonthBarsChart::valueMarks() const {
    QStringList marks;
    for (int set : {0, 1})
        for (const Bar &bar : m_bars)
            if (bar.set == set)
                marks << bar.mark;
    return marks;
}

QRectF MonthBarsChart::frontFace(const Bar &bar) const {
    const qreal left = bar.category - BarWidth / 2 + bar.set * BarWidth / 2;
    const QPointF a = chart()->mapToPosition(QPointF(left, bar.value), m_series);
    const QPointF b = chart()->mapToPosition(QPointF(left + BarWidth / 2, 0), m_series);
    return chart()->mapRectToScene(QRectF(a, b).normalized());
}

void MonthBarsChart::drawForeground(QPainter *painter, const QRectF &rect) {
    QChartView::drawForeground(painter, rect);
    if (m_bars.isEmpty())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF plot = chart()->mapRectToScene(chart()->plotArea());
    QFont markFont = font();
    markFont.setPixelSize(10);
    painter->setFont(markFont);
    const QFontMetricsF metrics(markFont);

    struct Mark {
        QRectF box;
        QString text;
    };
    QList<Mark> marks;
    for (qsizetype i = 0; i < m_bars.size(); ++i) {
        const Bar &bar = m_bars.at(i);
        const QRectF front = frontFace(bar);
        const qreal dx = std::clamp(front.width() * 0.4, 2.0, 12.0);
        const qreal dy = dx * 0.6;
        const QColor colour = bar.set == 0 ? IncomeColour : ExpenseColour;
        // The expense bar beside stands in front of the income bar's side face.
        QRegion clip(plot.adjusted(0, -dy, dx, 0).toAlignedRect());
        if (i + 1 < m_bars.size() && m_bars.at(i + 1).category == bar.category)
            clip -= QRegion(frontFace(m_bars.at(i + 1)).toAlignedRect());
        painter->setClipRegion(clip);
        painter->setPen(QPen(colour.darker(170), 0.5));
        const QPointF back(dx, -dy);
        painter->setBrush(colour.lighter(135));
        painter->drawPolygon(QPolygonF(
            {front.topLeft(), front.topLeft() + back, front.topRight() + back, front.topRight()}));
        painter->setBrush(colour.darker(150));
        painter->drawPolygon(QPolygonF({front.topRight(), front.topRight() + back,
                                        front.bottomRight() + back, front.bottomRight()}));
        painter->setClipping(false);

        const QSizeF size(metrics.horizontalAdvance(bar.mark) + 6, metrics.height() + 2);
        const qreal x = front.center().x() + dx / 2 - size.width() / 2;
        const qreal y = bar.value < 0 ? front.bottom() + 2 : front.top() - dy - size.height() - 2;
        marks.append({QRectF(QPointF(x, y), size), bar.mark});
    }
    // Marks last, so no face covers one.
    for (const Mark &mark : marks) {
        painter->setPen(QPen(QColor(150, 150, 150), 0.5));
        painter->setBrush(QColor(255, 255, 225, 230));
        painter->drawRect(mark.box);
        painter->setPen(Qt::black);
        painter->drawText(mark.box, Qt::AlignCenter, mark.text);
    }
    painter->restore();
}

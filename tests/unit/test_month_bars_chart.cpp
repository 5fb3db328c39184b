#include "reports/month_bars_chart.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegendMarker>
#include <QTest>

namespace {

PersonReport::MonthTotals month(const char *name, std::optional<qint64> income,
                                std::optional<qint64> expense) {
    const auto money = [](std::optional<qint64> yuan) -> std::optional<Money> {
        if (!yuan)
            return std::nullopt;
        return Money::fromYuan(*yuan);
    };
    return {QString::fromLatin1(name), money(income), money(expense)};
}

bool greenish(QRgb c) {
    return qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 40;
}

bool reddish(QRgb c) {
    return qRed(c) > qGreen(c) + 60 && qRed(c) > qBlue(c) + 60;
}

} // namespace

class TestMonthBarsChart : public QObject {
    Q_OBJECT

private slots:
    void marksAreGroupedPlainAmounts() {
        QCOMPARE(chartMark(Money::fromRaw(123456789)), QStringLiteral("12,345.6789"));
        QCOMPARE(chartMark(Money::fromYuan(-1234567)), QStringLiteral("-1,234,567"));
        QCOMPARE(chartMark(Money::fromYuan(999)), QStringLiteral("999"));
        QCOMPARE(chartMark(Money()), QStringLiteral("0"));
    }

    void barsPairUpByMonthWithALegendAndNoTitle() {
        MonthBarsChart chart;
        chart.setMonths({month("2023-12", 1500, std::nullopt), month("2024-01", 20, 3000)});
        auto *series = qobject_cast<QBarSeries *>(chart.chart()->series().value(0));
        QVERIFY(series);
        QCOMPARE(series->count(), 2);
        QCOMPARE(series->barSets().at(0)->label(), QStringLiteral("收入"));
        QCOMPARE(series->barSets().at(1)->at(0), 0.0);
        QCOMPARE(series->barSets().at(1)->at(1), 3000.0);
        // A month without an expense has no bar to mark.
        QCOMPARE(chart.valueMarks(), QStringList({"1,500", "20", "3,000"}));
        QVERIFY(chart.chart()->title().isEmpty());
        QVERIFY(chart.chart()->legend()->isVisible());
        QCOMPARE(chart.chart()->legend()->markers(series).size(), 2);
        QCOMPARE(chart.rubberBand(), QChartView::NoRubberBand);
        chart.setMonths({});
        QVERIFY(chart.valueMarks().isEmpty());
        QCOMPARE(series->barSets().at(0)->count(), 0);
    }

    // Each bar has a lit top face above it and a shaded side face to its right.
    void barsAreDrawnWithDepth() {
        MonthBarsChart chart;
        chart.resize(600, 400);
        chart.setMonths({month("2024-01", 800, 1000)});
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        const QImage image = chart.grab().toImage();
        auto *series = chart.chart()->series().first();
        const auto at = [&](qreal x, qreal value) {
            return chart.mapFromScene(
                chart.chart()->mapToScene(chart.chart()->mapToPosition(QPointF(x, value), series)));
        };
        // The income bar spans -0.35 .. 0, the expense bar 0 .. 0.35 of the month.
        const QPoint incomeTop = at(-0.175, 800);
        QVERIFY(greenish(image.pixel(incomeTop + QPoint(4, -3))));
        QVERIFY(!greenish(image.pixel(incomeTop + QPoint(0, -30))));
        const QPoint expenseRight = at(0.35, 500);
        QVERIFY(reddish(image.pixel(expenseRight + QPoint(3, 0))));
        QVERIFY(!reddish(image.pixel(expenseRight + QPoint(30, 0))));
    }
};

QTEST_MAIN(TestMonthBarsChart)
#include "test_month_bars_chart.moc"

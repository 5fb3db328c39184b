#include "chart_points.h"

#include "plain_decimal.h"
#include "step_failure.h"

#include <QDateTime>
#include <QtCharts/QAbstractBarSeries>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QPieSeries>
#include <QtCharts/QPieSlice>
#include <QtCharts/QXYSeries>
#include <algorithm>
#include <cmath>

namespace {

QStringList barCategories(QAbstractSeries *series) {
    for (QAbstractAxis *axis : series->attachedAxes()) {
        if (auto *categories = qobject_cast<QBarCategoryAxis *>(axis))
            return categories->categories();
    }
    return {};
}

QList<ChartPoint> barPoints(QAbstractBarSeries *series) {
    QList<ChartPoint> points;
    const QList<QBarSet *> sets = series->barSets();
    const bool onePerSet = sets.size() > 1 && std::all_of(sets.begin(), sets.end(), [](QBarSet *s) {
                               return s->count() == 1;
                           });
    if (onePerSet) {
        for (QBarSet *set : sets)
            points.append({set->label(), set->at(0)});
        return points;
    }
    const QStringList categories = barCategories(series);
    for (QBarSet *set : sets) {
        for (int i = 0; i < set->count(); ++i) {
            QString label = i < categories.size() ? categories.at(i) : QString::number(i + 1);
            if (sets.size() > 1)
                label = set->label() + QLatin1Char('/') + label;
            points.append({label, set->at(i)});
        }
    }
    return points;
}

QString xLabel(QXYSeries *series, double x) {
    for (QAbstractAxis *axis : series->attachedAxes()) {
        if (axis->orientation() != Qt::Horizontal)
            continue;
        if (auto *categories = qobject_cast<QBarCategoryAxis *>(axis)) {
            const long i = std::lround(x);
            if (i >= 0 && i < categories->count())
                return categories->at(int(i));
        }
        if (auto *ranges = qobject_cast<QCategoryAxis *>(axis)) {
            double lower = ranges->startValue();
            for (const QString &label : ranges->categoriesLabels()) {
                const double upper = ranges->endValue(label);
                if (x >= lower && x < upper)
                    return label;
                lower = upper;
            }
        }
        if (auto *dates = qobject_cast<QDateTimeAxis *>(axis))
            return QDateTime::fromMSecsSinceEpoch(qint64(x)).toString(dates->format());
    }
    return plainDecimal(x);
}

} // namespace

QList<ChartPoint> chartPoints(QWidget *w, int seriesNumber) {
    auto *view = qobject_cast<QChartView *>(w);
    if (!view || !view->chart())
        fail(QStringLiteral("expected a chart, found a %1")
                 .arg(QString::fromLatin1(w->metaObject()->className())));
    const QList<QAbstractSeries *> all = view->chart()->series();
    // One bar series of several sets over a category axis (income and expense by month):
    // each set counts as a series, in legend order, labelled by the categories.
    if (auto *bars = all.size() == 1 ? qobject_cast<QAbstractBarSeries *>(all.first()) : nullptr) {
        const QStringList categories = barCategories(bars);
        const QList<QBarSet *> sets = bars->barSets();
        if (sets.size() > 1 && !categories.isEmpty()) {
            if (seriesNumber < 1 || seriesNumber > sets.size())
                fail(QStringLiteral("expected a bar set %1, found %2 sets")
                         .arg(seriesNumber)
                         .arg(sets.size()));
            QList<ChartPoint> points;
            const QBarSet *set = sets.at(seriesNumber - 1);
            for (int i = 0; i < set->count(); ++i)
                points.append({categories.value(i, QString::number(i + 1)), set->at(i)});
            return points;
        }
    }
    if (seriesNumber < 1 || seriesNumber > all.size())
        fail(QStringLiteral("expected a series %1, found %2 series")
                 .arg(seriesNumber)
                 .arg(all.size()));
    QAbstractSeries *series = all.at(seriesNumber - 1);

    if (auto *bars = qobject_cast<QAbstractBarSeries *>(series))
        return barPoints(bars);
    QList<ChartPoint> points;
    if (auto *pie = qobject_cast<QPieSeries *>(series)) {
        for (QPieSlice *slice : pie->slices())
            points.append({slice->label(), slice->value()});
        return points;
    }
    if (auto *xy = qobject_cast<QXYSeries *>(series)) {
        for (const QPointF &p : xy->points())
            points.append({xLabel(xy, p.x()), p.y()});
        return points;
    }
    fail(QStringLiteral("expected a bar, pie or line series, found another kind"));
}

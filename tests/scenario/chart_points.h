#pragma once

#include <QList>
#include <QString>

class QWidget;

struct ChartPoint {
    QString label;
    double value = 0;
};

// The points of a chart's series (1-based), in order: bars by category (or, for one
// bar per set, by set label), pie slices by label, line and scatter points by x as
// text or the category axis label at x. Throws StepFailure when w is not a chart or
// has no such series.
QList<ChartPoint> chartPoints(QWidget *w, int series);

#include "store/dates.h"

namespace Dates {

namespace {
const QString DayFormat = QStringLiteral("yyyy-MM-dd");
const QString MomentFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
} // namespace

QString canonical(const QDate &day) {
    return day.toString(DayFormat) + QStringLiteral(" 00:00:00");
}

QString canonical(const QDateTime &moment) {
    return moment.toString(MomentFormat);
}

std::optional<QDateTime> parse(const QString &text) {
    if (text.size() != 19)
        return std::nullopt;
    QDateTime moment = QDateTime::fromString(text, MomentFormat);
    if (!moment.isValid())
        return std::nullopt;
    return moment;
}

QString display(const QDateTime &moment) {
    if (moment.time() == QTime(0, 0))
        return moment.date().toString(DayFormat);
    return moment.toString(MomentFormat);
}

QString display(const QString &canonicalText) {
    const auto moment = parse(canonicalText);
    return moment ? display(*moment) : canonicalText;
}

QDate firstOfMonth(const QDate &day) {
    return QDate(day.year(), day.month(), 1);
}

QDate lastOfMonth(const QDate &day) {
    return QDate(day.year(), day.month(), day.daysInMonth());
}

QDate firstOfNextMonth(const QDate &day) {
    return firstOfMonth(day).addMonths(1);
}

QDate firstOfPreviousMonth(const QDate &day) {
    return firstOfMonth(day).addMonths(-1);
}

} // namespace Dates

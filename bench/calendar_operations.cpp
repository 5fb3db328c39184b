#include "bench_operation.h"
#include "tools/calendar_month.h"
#include "tools/calendar_title.h"
#include "tools/festivals.h"
#include "tools/lunar_calendar.h"

#include <QDate>

namespace {

const QDate First = LunarCalendar::firstDate();
const QDate Last = LunarCalendar::lastDate();

// Kept so the compiler cannot drop the work being timed.
volatile qsizetype sink = 0;

// Each day on its own, as the title area works it out: lunar date, its name, the festivals.
void everyDayAlone() {
    qsizetype total = 0;
    for (QDate day = First; day <= Last; day = day.addDays(1)) {
        const LunarDate lunar = LunarCalendar::lunarDate(day);
        total += LunarCalendar::dateName(lunar).size() + Festivals::on(day, lunar).size();
    }
    sink = total;
}

// Every month as the grid lays it out: one walk through the month's lunar dates.
void everyMonthLayout() {
    qsizetype total = 0;
    for (int year = First.year(); year <= Last.year(); ++year)
        for (int month = 1; month <= 12; ++month)
            total += CalendarMonth(year, month).cells().size();
    sink = total;
}

void everyTitle() {
    qsizetype total = 0;
    for (QDate day = First; day <= Last; day = day.addDays(1))
        total += CalendarTitle::text(day).size();
    sink = total;
}

} // namespace

// The perpetual calendar's computation over its whole range, 1901-01-01 to 2099-12-31.
std::vector<BenchOperation> calendarOperations() {
    const qint64 days = First.daysTo(Last) + 1;
    const qint64 months = (Last.year() - First.year() + 1) * 12;
    return {
        {QStringLiteral("lunar data, every day 1901-2099"), everyDayAlone, days},
        {QStringLiteral("calendar title, every day"), everyTitle, days},
        {QStringLiteral("month layout, every month"), everyMonthLayout, months},
    };
}

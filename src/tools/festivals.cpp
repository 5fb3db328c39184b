#include "tools/festivals.h"

#include "tools/lunar_calendar.h"

namespace {

struct DayFestival {
    int month;
    int day;
    const char *name;
};

// Lunar festivals fall in ordinary months only; 除夕 is handled apart (its day varies).
constexpr DayFestival LunarFestivals[] = {
    {1, 1, "春节"},    {1, 15, "元宵节"}, {5, 5, "端午节"},  {7, 7, "七夕节"},
    {8, 15, "中秋节"}, {9, 9, "重阳节"},  {12, 8, "腊八节"},
};

constexpr DayFestival GregorianFestivals[] = {
    {1, 1, "元旦节"},  {2, 14, "情人节"}, {3, 8, "妇女节"},  {4, 1, "愚人节"},  {5, 1, "劳动节"},
    {5, 4, "青年节"},  {6, 1, "儿童节"},  {7, 1, "建党节"},  {8, 1, "建军节"},  {9, 10, "教师节"},
    {10, 1, "国庆节"}, {10, 1, "老人节"}, {11, 1, "万圣节"}, {11, 8, "记者日"}, {12, 25, "圣诞节"},
};

struct WeekdayFestival {
    int month;
    int week;      // the n-th such weekday of the month
    int dayOfWeek; // Qt numbering: 1 Monday … 7 Sunday
    const char *name;
};

constexpr WeekdayFestival FloatingFestivals[] = {
    {5, 2, Qt::Sunday, "母亲节"},
    {6, 3, Qt::Sunday, "父亲节"},
    {11, 4, Qt::Thursday, "感恩节"},
};

// The last day of the lunar year: the end of the twelfth month, or of a leap twelfth month
// where there is one (none between 1901 and 2099).
bool isLunarNewYearsEve(const LunarDate &lunar) {
    return lunar.month == 12 && lunar.day == lunar.monthDays &&
           lunar.leap == (LunarCalendar::leapMonth(lunar.year) == 12);
}

} // namespace

QList<Festival> Festivals::on(const QDate &date) {
    return on(date, LunarCalendar::lunarDate(date));
}

QList<Festival> Festivals::on(const QDate &date, const LunarDate &lunar) {
    QList<Festival> festivals;
    if (!date.isValid())
        return festivals;
    if (lunar.isValid() && !lunar.leap) {
        for (const DayFestival &f : LunarFestivals) {
            if (f.month == lunar.month && f.day == lunar.day)
                festivals.append({QString::fromUtf8(f.name), FestivalKind::LunarHoliday});
        }
    }
    if (lunar.isValid() && isLunarNewYearsEve(lunar))
        festivals.append({QStringLiteral("除夕"), FestivalKind::LunarHoliday});
    for (const DayFestival &f : GregorianFestivals) {
        if (f.month == date.month() && f.day == date.day())
            festivals.append({QString::fromUtf8(f.name), FestivalKind::Holiday});
    }
    const int week = (date.day() - 1) / 7 + 1;
    for (const WeekdayFestival &f : FloatingFestivals) {
        if (f.month == date.month() && f.dayOfWeek == date.dayOfWeek() && f.week == week)
            festivals.append({QString::fromUtf8(f.name), FestivalKind::CnHoliday});
    }
    return festivals;
}

QStringList Festivals::namesOn(const QDate &date) {
    QStringList names;
    for (const Festival &f : on(date))
        names.append(f.name);
    return names;
}

quint32 Festivals::rgb(FestivalKind kind) {
    switch (kind) {
    case FestivalKind::Holiday:
        return 0xffff8000; // ColorHoliday RGB(255, 128, 0)
    case FestivalKind::CnHoliday:
        return 0xffff8000; // ColorCnHolDay RGB(255, 128, 0)
    case FestivalKind::LunarHoliday:
        return 0xff5353ff; // ColorLunarHolDay RGB(83, 83, 255)
    }
    return 0xff000000;
}

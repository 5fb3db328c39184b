#pragma once

#include <QDate>
#include <QList>
#include <QString>

// A day of the Chinese lunar calendar. The lunar year is numbered by the Gregorian year in
// which its first day (正月初一) falls, so 2024-02-09 is lunar 2023 腊月三十.
struct LunarDate {
    int year = 0;
    int month = 0; // 1..12; a leap month carries the number of the month it follows
    bool leap = false;
    int day = 0;       // 1..30
    int monthDays = 0; // 29 or 30: length of the lunar month the day lies in

    bool isValid() const { return month != 0; }
    bool operator==(const LunarDate &) const = default;
};

// Gregorian to lunar conversion from the public month table of lunar years 1900 to 2100
// (new moons and leap months in China Standard Time). Only the days from firstDate() to
// lastDate() are offered; outside them every function gives an invalid or empty result.
class LunarCalendar {
public:
    static QDate firstDate(); // 1901-01-01
    static QDate lastDate();  // 2099-12-31
    static bool supports(const QDate &date);

    static LunarDate lunarDate(const QDate &date);
    // Every day from first to last, both inclusive, walked month by month: the cheap way to
    // fill a whole grid or range. Empty when either end is unsupported or last < first.
    static QList<LunarDate> lunarDates(const QDate &first, const QDate &last);

    // The Gregorian date of 正月初一 of a lunar year, for lunar years 1901..2099.
    static QDate newYearDay(int lunarYear);
    // The leap month of a lunar year (1..12), 0 when it has none.
    static int leapMonth(int lunarYear);

    // "正月" … "十月", "冬月", "腊月"; a leap month gets "闰" in front ("闰冬月").
    static QString monthName(int month, bool leap = false);
    // "初一" … "初十", "十一" … "十九", "二十", "廿一" … "廿九", "三十".
    static QString dayName(int day);
    // Month name and day name together, e.g. "二月廿一"; empty for an invalid date.
    static QString dateName(const LunarDate &date);

    // The animal of a lunar year ("龙" for 2024); it changes on 正月初一.
    static QString zodiacAnimal(int lunarYear);
    // Western star sign of a Gregorian date ("摩羯座" from 12-22 to 01-19, …).
    static QString constellation(const QDate &date);
};

#pragma once

#include <QDate>
#include <QString>

// The texts of the calendar's title area for the selected day.
class CalendarTitle {
public:
    // "2024-02-10 农历正月初一". Before 1949 the era text stands in place of the whole
    // Gregorian date: "民国十三年 农历四月初十". Empty for an unsupported date.
    static QString text(const QDate &date);
    // The reign or republic year of a Gregorian year before 1949, in Chinese numerals:
    // 1901..1908 "光绪二十七年".."光绪三十四年", 1909..1911 "宣统元年".."宣统三年",
    // 1912..1948 "民国元年".."民国三十七年". Empty from 1949 on and before 1875.
    static QString eraText(int year);
    // The animal of the day's lunar year followed by "年": "龙年".
    static QString zodiacText(const QDate &date);
    // "摩羯座" … "射手座".
    static QString constellationText(const QDate &date);
};

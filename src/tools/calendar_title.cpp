#include "tools/calendar_title.h"

#include "tools/lunar_calendar.h"

namespace {

struct Era {
    int firstYear;
    const char *name;
};

// Newest first; each era runs until the next one starts.
constexpr Era Eras[] = {{1912, "民国"}, {1909, "宣统"}, {1875, "光绪"}};
constexpr int FirstGregorianTitleYear = 1949;

// 1..99 in Chinese numerals as years are written: "十三", "二十", "三十七".
QString chineseNumber(int n) {
    static const char *const Digits[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    const int tens = n / 10;
    const int units = n % 10;
    QString text;
    if (tens > 0)
        text = (tens > 1 ? QString::fromUtf8(Digits[tens]) : QString()) + QStringLiteral("十");
    return text + QString::fromUtf8(Digits[units]);
}

} // namespace

QString CalendarTitle::eraText(int year) {
    if (year >= FirstGregorianTitleYear)
        return {};
    for (const Era &era : Eras) {
        if (year < era.firstYear)
            continue;
        const int n = year - era.firstYear + 1;
        const QString number = n == 1 ? QStringLiteral("元") : chineseNumber(n);
        return QString::fromUtf8(era.name) + number + QStringLiteral("年");
    }
    return {};
}

QString CalendarTitle::text(const QDate &date) {
    const LunarDate lunar = LunarCalendar::lunarDate(date);
    if (!lunar.isValid())
        return {};
    const QString era = eraText(date.year());
    const QString day = era.isEmpty() ? date.toString(QStringLiteral("yyyy-MM-dd")) : era;
    return day + QStringLiteral(" 农历") + LunarCalendar::dateName(lunar);
}

QString CalendarTitle::zodiacText(const QDate &date) {
    const LunarDate lunar = LunarCalendar::lunarDate(date);
    if (!lunar.isValid())
        return {};
    return LunarCalendar::zodiacAnimal(lunar.year) + QStringLiteral("年");
}

QString CalendarTitle::constellationText(const QDate &date) {
    return LunarCalendar::supports(date) ? LunarCalendar::constellation(date) : QString();
}

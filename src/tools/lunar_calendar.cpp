#include "tools/lunar_calendar.h"

#include <array>

namespace {

// One word per lunar year from 1900 to 2100: bits 15..4 say whether months 1..12 have 30
// days (bit 15 is month 1), bits 3..0 name the leap month (0: none) and bit 16 says whether
// the leap month has 30 days. This is the widely published table; its month starts agree
// with computed new moons in UTC+8 from 1929 on.
constexpr int TableFirstYear = 1900;
constexpr std::array<quint32, 201> MonthTable = {
    0x04bd8, 0x04ae0, 0x0a570, 0x054d5, 0x0d260, 0x0d950, 0x16554, 0x056a0, 0x09ad0, 0x055d2,
    0x04ae0, 0x0a5b6, 0x0a4d0, 0x0d250, 0x1d255, 0x0b540, 0x0d6a0, 0x0ada2, 0x095b0, 0x14977,
    0x04970, 0x0a4b0, 0x0b4b5, 0x06a50, 0x06d40, 0x1ab54, 0x02b60, 0x09570, 0x052f2, 0x04970,
    0x06566, 0x0d4a0, 0x0ea50, 0x16a95, 0x05ad0, 0x02b60, 0x186e3, 0x092e0, 0x1c8d7, 0x0c950,
    0x0d4a0, 0x1d8a6, 0x0b550, 0x056a0, 0x1a5b4, 0x025d0, 0x092d0, 0x0d2b2, 0x0a950, 0x0b557,
    0x06ca0, 0x0b550, 0x15355, 0x04da0, 0x0a5b0, 0x14573, 0x052b0, 0x0a9a8, 0x0e950, 0x06aa0,
    0x0aea6, 0x0ab50, 0x04b60, 0x0aae4, 0x0a570, 0x05260, 0x0f263, 0x0d950, 0x05b57, 0x056a0,
    0x096d0, 0x04dd5, 0x04ad0, 0x0a4d0, 0x0d4d4, 0x0d250, 0x0d558, 0x0b540, 0x0b6a0, 0x195a6,
    0x095b0, 0x049b0, 0x0a974, 0x0a4b0, 0x0b27a, 0x06a50, 0x06d40, 0x0af46, 0x0ab60, 0x09570,
    0x04af5, 0x04970, 0x064b0, 0x074a3, 0x0ea50, 0x06b58, 0x05ac0, 0x0ab60, 0x096d5, 0x092e0,
    0x0c960, 0x0d954, 0x0d4a0, 0x0da50, 0x07552, 0x056a0, 0x0abb7, 0x025d0, 0x092d0, 0x0cab5,
    0x0a950, 0x0b4a0, 0x0baa4, 0x0ad50, 0x055d9, 0x04ba0, 0x0a5b0, 0x15176, 0x052b0, 0x0a930,
    0x07954, 0x06aa0, 0x0ad50, 0x05b52, 0x04b60, 0x0a6e6, 0x0a4e0, 0x0d260, 0x0ea65, 0x0d530,
    0x05aa0, 0x076a3, 0x096d0, 0x04afb, 0x04ad0, 0x0a4d0, 0x1d0b6, 0x0d250, 0x0d520, 0x0dd45,
    0x0b5a0, 0x056d0, 0x055b2, 0x049b0, 0x0a577, 0x0a4b0, 0x0aa50, 0x1b255, 0x06d20, 0x0ada0,
    0x14b63, 0x09370, 0x049f8, 0x04970, 0x064b0, 0x168a6, 0x0ea50, 0x06aa0, 0x1a6c4, 0x0aae0,
    0x092e0, 0x0d2e3, 0x0c960, 0x0d557, 0x0d4a0, 0x0da50, 0x05d55, 0x056a0, 0x0a6d0, 0x055d4,
    0x052d0, 0x0a9b8, 0x0a950, 0x0b4a0, 0x0b6a6, 0x0ad50, 0x055a0, 0x0aba4, 0x0a5b0, 0x052b0,
    0x0b273, 0x06930, 0x07337, 0x06aa0, 0x0ad50, 0x14b55, 0x04b60, 0x0a570, 0x054e4, 0x0d160,
    0x0e968, 0x0d520, 0x0daa0, 0x16aa6, 0x056d0, 0x04ae0, 0x0a9d4, 0x0a4d0, 0x0d150, 0x0f252,
    0x0d520,
};
constexpr int TableYears = int(MonthTable.size());

// Julian day number of 1900-01-31, 正月初一 of lunar 1900.
constexpr qint64 TableFirstDay = 2415051;

constexpr int leapOf(int index) {
    return int(MonthTable[index] & 0xf);
}

constexpr int monthLength(int index, int month, bool leap) {
    const quint32 bit = leap ? 0x10000 : (0x10000 >> month);
    return (MonthTable[index] & bit) ? 30 : 29;
}

constexpr int yearLength(int index) {
    int days = 0;
    for (int month = 1; month <= 12; ++month)
        days += monthLength(index, month, false);
    if (leapOf(index) != 0)
        days += monthLength(index, leapOf(index), true);
    return days;
}

// Days from 1900-01-31 to each lunar new year, so a lookup never sums years again.
constexpr std::array<int, TableYears + 1> NewYearOffsets = [] {
    std::array<int, TableYears + 1> offsets{};
    for (int i = 0; i < TableYears; ++i)
        offsets[i + 1] = offsets[i] + yearLength(i);
    return offsets;
}();

// The month after (month, leap) within a lunar year; month 13 means the next year.
void stepMonth(int index, int &month, bool &leap) {
    if (!leap && month == leapOf(index)) {
        leap = true;
    } else {
        leap = false;
        ++month;
    }
}

LunarDate fromJulianDay(qint64 julianDay) {
    const qint64 offset = julianDay - TableFirstDay;
    if (offset < 0 || offset >= NewYearOffsets[TableYears])
        return {};
    // A lunar new year falls in January or February, so the lunar year is the Gregorian one
    // or the one before.
    int index = int(offset * 10000 / 3652425);
    while (index + 1 < TableYears && NewYearOffsets[index + 1] <= offset)
        ++index;
    while (NewYearOffsets[index] > offset)
        --index;

    int rest = int(offset - NewYearOffsets[index]);
    int month = 1;
    bool leap = false;
    for (;;) {
        const int length = monthLength(index, month, leap);
        if (rest < length)
            return {TableFirstYear + index, month, leap, rest + 1, length};
        rest -= length;
        stepMonth(index, month, leap);
    }
}

const char *const MonthNames[] = {"正月", "二月", "三月", "四月", "五月", "六月",
                                  "七月", "八月", "九月", "十月", "冬月", "腊月"};
const char *const Digits[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
const char *const Animals[] = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                               "马", "羊", "猴", "鸡", "狗", "猪"};
// Signs[m] starts on day SignStarts[m] of Gregorian month m; Signs[m - 1] holds before.
const char *const Signs[] = {"摩羯座", "水瓶座", "双鱼座", "白羊座", "金牛座", "双子座", "巨蟹座",
                             "狮子座", "处女座", "天秤座", "天蝎座", "射手座", "摩羯座"};
constexpr int SignStarts[] = {0, 20, 19, 21, 20, 21, 22, 23, 23, 23, 24, 23, 22};

} // namespace

QDate LunarCalendar::firstDate() {
    return QDate(1901, 1, 1);
}

QDate LunarCalendar::lastDate() {
    return QDate(2099, 12, 31);
}

bool LunarCalendar::supports(const QDate &date) {
    return date.isValid() && date >= firstDate() && date <= lastDate();
}

LunarDate LunarCalendar::lunarDate(const QDate &date) {
    if (!supports(date))
        return {};
    return fromJulianDay(date.toJulianDay());
}

QList<LunarDate> LunarCalendar::lunarDates(const QDate &first, const QDate &last) {
    QList<LunarDate> dates;
    if (!supports(first) || !supports(last) || last < first)
        return dates;
    dates.reserve(first.daysTo(last) + 1);
    LunarDate current = fromJulianDay(first.toJulianDay());
    for (qint64 day = first.toJulianDay(); day <= last.toJulianDay(); ++day) {
        dates.append(current);
        if (++current.day <= current.monthDays)
            continue;
        const int index = current.year - TableFirstYear;
        stepMonth(index, current.month, current.leap);
        if (current.month > 12) {
            ++current.year;
            current.month = 1;
        }
        current.day = 1;
        current.monthDays = monthLength(current.year - TableFirstYear, current.month, current.leap);
    }
    return dates;
}

QDate LunarCalendar::newYearDay(int lunarYear) {
    if (lunarYear < firstDate().year() || lunarYear > lastDate().year())
        return {};
    return QDate::fromJulianDay(TableFirstDay + NewYearOffsets[lunarYear - TableFirstYear]);
}

int LunarCalendar::leapMonth(int lunarYear) {
    const int index = lunarYear - TableFirstYear;
    return index >= 0 && index < TableYears ? leapOf(index) : 0;
}

QString LunarCalendar::monthName(int month, bool leap) {
    if (month < 1 || month > 12)
        return {};
    const QString name = QString::fromUtf8(MonthNames[month - 1]);
    return leap ? QStringLiteral("闰") + name : name;
}

QString LunarCalendar::dayName(int day) {
    if (day < 1 || day > 30)
        return {};
    if (day == 10)
        return QStringLiteral("初十");
    if (day == 20)
        return QStringLiteral("二十");
    if (day == 30)
        return QStringLiteral("三十");
    static const char *const Tens[] = {"初", "十", "廿"};
    return QString::fromUtf8(Tens[day / 10]) + QString::fromUtf8(Digits[day % 10]);
}

QString LunarCalendar::dateName(const LunarDate &date) {
    if (!date.isValid())
        return {};
    return monthName(date.month, date.leap) + dayName(date.day);
}

QString LunarCalendar::zodiacAnimal(int lunarYear) {
    // 1900 was a year of the rat.
    const int index = ((lunarYear - 1900) % 12 + 12) % 12;
    return QString::fromUtf8(Animals[index]);
}

QString LunarCalendar::constellation(const QDate &date) {
    if (!date.isValid())
        return {};
    const int month = date.month();
    return QString::fromUtf8(Signs[date.day() >= SignStarts[month] ? month : month - 1]);
}

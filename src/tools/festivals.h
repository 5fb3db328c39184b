#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

struct LunarDate;

// The three kinds of festival text, each drawn in its own colour.
enum class FestivalKind {
    Holiday,      // fixed Gregorian date, ColorHoliday
    CnHoliday,    // "n-th weekday of a month" Gregorian date, ColorCnHolDay
    LunarHoliday, // lunar date, ColorLunarHolDay
};

struct Festival {
    QString name;
    FestivalKind kind = FestivalKind::Holiday;
    bool operator==(const Festival &) const = default;
};

class Festivals {
public:
    // The festivals of a day in display order: lunar ones first, then the fixed Gregorian
    // ones, then the floating ones. Lunar festivals need a supported date (LunarCalendar).
    static QList<Festival> on(const QDate &date);
    // The same, with the day's lunar date already at hand (saves a second lookup).
    static QList<Festival> on(const QDate &date, const LunarDate &lunar);
    // The names only, e.g. for the title area that lists them all.
    static QStringList namesOn(const QDate &date);

    // 0xAARRGGBB, the layout of QRgb, so a widget takes it with QColor::fromRgb().
    static quint32 rgb(FestivalKind kind);
};

#pragma once

#include "tools/festivals.h"

#include <QDate>
#include <QList>
#include <QPoint>
#include <QString>

// What the text under a day number is.
enum class CellTextKind {
    None,       // blank cell, or a day outside the lunar calendar's range
    LunarDay,   // the lunar day name ("初二"), green
    LunarMonth, // the first day of a lunar month shows the month name ("二月"), red
    Festival,   // the first festival of the day, in the colour of its kind
};

struct CalendarCell {
    QDate date; // invalid for the blank cells before the 1st and after the last day
    int dayNumber = 0;
    bool weekend = false; // Sunday or Saturday column
    QString lowerText;
    CellTextKind lowerKind = CellTextKind::None;
    FestivalKind festivalKind = FestivalKind::Holiday; // meaningful for Festival only

    bool isBlank() const { return !date.isValid(); }
    // 0xAARRGGBB (QRgb layout) of the day number and of the lower text.
    quint32 dayNumberRgb() const;
    quint32 lowerTextRgb() const;
};

// One Gregorian month laid out as the calendar grid draws it: seven columns, Sunday first,
// and only as many rows (four to six) as the month needs. Days of the neighbouring months
// are not shown; their cells are blank.
class CalendarMonth {
public:
    static constexpr int ColumnCount = 7;
    static constexpr int MaxRowCount = 6;

    CalendarMonth(int year, int month);
    static CalendarMonth containing(const QDate &date);

    int year() const { return m_year; }
    int month() const { return m_month; }
    int rowCount() const { return int(m_cells.size()) / ColumnCount; }
    const CalendarCell &cell(int row, int column) const;
    // Row by row, rowCount() * ColumnCount cells.
    const QList<CalendarCell> &cells() const { return m_cells; }
    // Column x, row y of a day of this month; (-1, -1) for any other date.
    QPoint positionOf(const QDate &date) const;

    // Weekday header "日", "一" … "六".
    static QString weekdayName(int column);

private:
    int m_year = 0;
    int m_month = 0;
    int m_firstColumn = 0;
    QList<CalendarCell> m_cells;
};

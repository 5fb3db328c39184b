#include "tools/calendar_month.h"

#include "tools/lunar_calendar.h"

namespace {

constexpr quint32 DayNumberRgb = 0xff4f4f4f; // RGB(79, 79, 79)
constexpr quint32 WeekendRgb = 0xffff0000;
constexpr quint32 LunarDayRgb = 0xff008000;
constexpr quint32 LunarMonthRgb = 0xffff0000;

void describeLowerText(CalendarCell &cell, const LunarDate &lunar) {
    if (!lunar.isValid())
        return;
    const QList<Festival> festivals = Festivals::on(cell.date, lunar);
    if (!festivals.isEmpty()) {
        cell.lowerText = festivals.first().name;
        cell.lowerKind = CellTextKind::Festival;
        cell.festivalKind = festivals.first().kind;
    } else if (lunar.day == 1) {
        cell.lowerText = LunarCalendar::monthName(lunar.month, lunar.leap);
        cell.lowerKind = CellTextKind::LunarMonth;
    } else {
        cell.lowerText = LunarCalendar::dayName(lunar.day);
        cell.lowerKind = CellTextKind::LunarDay;
    }
}

} // namespace

quint32 CalendarCell::dayNumberRgb() const {
    return weekend ? WeekendRgb : DayNumberRgb;
}

quint32 CalendarCell::lowerTextRgb() const {
    switch (lowerKind) {
    case CellTextKind::LunarMonth:
        return LunarMonthRgb;
    case CellTextKind::Festival:
        return Festivals::rgb(festivalKind);
    case CellTextKind::LunarDay:
    case CellTextKind::None:
        break;
    }
    return LunarDayRgb;
}

CalendarMonth::CalendarMonth(int year, int month) : m_year(year), m_month(month) {
    const QDate first(year, month, 1);
    if (!first.isValid())
        return;
    m_firstColumn = first.dayOfWeek() % 7; // Qt: Monday 1 … Sunday 7
    const int days = first.daysInMonth();
    const int rows = (m_firstColumn + days + ColumnCount - 1) / ColumnCount;
    m_cells.resize(rows * ColumnCount);
    for (int i = 0; i < m_cells.size(); ++i) {
        const int column = i % ColumnCount;
        m_cells[i].weekend = column == 0 || column == ColumnCount - 1;
    }

    // One walk through the month's lunar dates instead of a lookup per day. The supported
    // range is made of whole months, so this is either the full month or empty.
    const QList<LunarDate> lunar = LunarCalendar::lunarDates(first, QDate(year, month, days));
    for (int day = 1; day <= days; ++day) {
        CalendarCell &cell = m_cells[m_firstColumn + day - 1];
        cell.date = QDate(year, month, day);
        cell.dayNumber = day;
        describeLowerText(cell, lunar.isEmpty() ? LunarDate() : lunar[day - 1]);
    }
}

CalendarMonth CalendarMonth::containing(const QDate &date) {
    return CalendarMonth(date.year(), date.month());
}

const CalendarCell &CalendarMonth::cell(int row, int column) const {
    return m_cells.at(row * ColumnCount + column);
}

QPoint CalendarMonth::positionOf(const QDate &date) const {
    if (!date.isValid() || date.year() != m_year || date.month() != m_month)
        return {-1, -1};
    const int index = m_firstColumn + date.day() - 1;
    return {index % ColumnCount, index / ColumnCount};
}

QString CalendarMonth::weekdayName(int column) {
    static const char *const Names[] = {"日", "一", "二", "三", "四", "五", "六"};
    return column >= 0 && column < ColumnCount ? QString::fromUtf8(Names[column]) : QString();
}

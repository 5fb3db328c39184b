#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>

class MonthGridView;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;

// 万年历: the title area (the selected day with its lunar date, the zodiac year, the
// star sign, the day's festivals), our own year and month controls, and the month grid.
// Its one state is the selected day; the month shown is that day's. It never leaves
// the lunar calendar's range (LunarCalendar::firstDate() … lastDate()).
class PerpetualCalendar : public QWidget {
    Q_OBJECT

public:
    explicit PerpetualCalendar(QWidget *parent = nullptr);

    // Selects the moment's day as today's, with its month.
    void setDateTime(const QDateTime &now);
    // Selects a day, kept within the supported range.
    void setSelectedDate(const QDate &date);
    QDate selectedDate() const { return m_selected; }

    QSpinBox *yearBox() const { return m_year; }
    QSpinBox *monthBox() const { return m_month; }
    MonthGridView *grid() const { return m_grid; }

signals:
    void selectedDateChanged(const QDate &date);

private:
    QWidget *buildTitleArea();
    QWidget *buildControls();
    QToolButton *stepButton(const QString &text, const QString &name, QWidget *parent);
    // The same day of the month (or the month's last day) in another year or month.
    void showYearMonth(int year, int month);
    void refresh();

    QDate m_selected;
    QDate m_today;
    QLabel *m_title = nullptr;
    QLabel *m_zodiac = nullptr;
    QLabel *m_constellation = nullptr;
    QLabel *m_festivals = nullptr;
    QPushButton *m_todayButton = nullptr;
    QToolButton *m_previousYear = nullptr;
    QToolButton *m_previousMonth = nullptr;
    QToolButton *m_nextMonth = nullptr;
    QToolButton *m_nextYear = nullptr;
    QSpinBox *m_year = nullptr;
    QSpinBox *m_month = nullptr;
    MonthGridView *m_grid = nullptr;
};

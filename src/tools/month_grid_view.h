#pragma once

#include "tools/calendar_month.h"

#include <QDate>
#include <QWidget>

// The perpetual calendar's month, painted: the weekday header, the day cells with their
// lunar line, the selected day in green, and the month's year and month numbers large
// and faint behind the cells. It shows the month of the selected day.
class MonthGridView : public QWidget {
    Q_OBJECT

public:
    explicit MonthGridView(QWidget *parent = nullptr);

    void setSelectedDate(const QDate &date);
    QDate selectedDate() const { return m_selected; }
    const CalendarMonth &month() const { return m_month; }

    // Where the cell of a day of the month shown lies; empty for a day it does not have.
    QRect dayRect(int day) const;

    QSize sizeHint() const override;

signals:
    // The user clicked a day or moved with the keys; the owner decides what is selected.
    void dateRequested(const QDate &date);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QRect gridRect() const;
    QRect cellRect(int row, int column) const;
    void paintBackdrop(QPainter &painter, const QRect &grid) const;
    void paintHeader(QPainter &painter) const;
    void paintCell(QPainter &painter, const CalendarCell &cell, const QRect &rect) const;

    CalendarMonth m_month;
    QDate m_selected;
};

#include "tools/month_grid_view.h"

#include "tools/lunar_calendar.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int HeaderHeight = 24;
const QColor TextGrey(79, 79, 79);
const QColor HeaderLine(197, 197, 197);
const QColor FrameGrey(Qt::gray);
const QColor SelectionTop(0, 174, 83);
const QColor SelectionBottom(0, 213, 101);
const QColor SelectionFrame(0, 147, 70);
const QColor BackdropYear(255, 232, 221);
const QColor BackdropMonth(235, 235, 235);
constexpr int BackdropAlpha = 50;

// 黑体 and 宋体 where they are installed; the nearest CJK face elsewhere.
QFont dayNumberFont() {
    QFont font;
    font.setFamilies({QStringLiteral("黑体"), QStringLiteral("SimHei"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

QFont lunarFont() {
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    font.setPixelSize(12);
    return font;
}

QColor colour(quint32 rgb) {
    return QColor::fromRgba(rgb);
}

} // namespace

MonthGridView::MonthGridView(QWidget *parent)
    : QWidget(parent), m_month(CalendarMonth::containing(LunarCalendar::firstDate())),
      m_selected(LunarCalendar::firstDate()) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MonthGridView::setSelectedDate(const QDate &date) {
    if (!date.isValid() || date == m_selected)
        return;
    if (date.year() != m_month.year() || date.month() != m_month.month())
        m_month = CalendarMonth::containing(date);
    m_selected = date;
    update();
}

QSize MonthGridView::sizeHint() const {
    return {7 * 96 + 2, HeaderHeight + 6 * 56 + 2};
}

QRect MonthGridView::gridRect() const {
    // Whole cells from the top left corner; what does not divide evenly stays blank at
    // the right and the bottom.
    const int rows = std::max(m_month.rowCount(), 1);
    const int cellWidth = (width() - 2) / CalendarMonth::ColumnCount;
    const int cellHeight = (height() - 2 - HeaderHeight) / rows;
    return {1, 1, cellWidth * CalendarMonth::ColumnCount, HeaderHeight + cellHeight * rows};
}

QRect MonthGridView::cellRect(int row, int column) const {
    const QRect grid = gridRect();
    const int rows = std::max(m_month.rowCount(), 1);
    const int cellWidth = grid.width() / CalendarMonth::ColumnCount;
    const int cellHeight = (grid.height() - HeaderHeight) / rows;
    return {grid.left() + column * cellWidth, grid.top() + HeaderHeight + row * cellHeight,
            cellWidth, cellHeight};
}

QRect MonthGridView::dayRect(int day) const {
    const QPoint at = m_month.positionOf(QDate(m_month.year(), m_month.month(), day));
    return at.x() < 0 ? QRect() : cellRect(at.y(), at.x());
}

void MonthGridView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRect grid = gridRect();
    paintBackdrop(painter, grid.adjusted(0, HeaderHeight, 0, 0));
    paintHeader(painter);
    for (int row = 0; row < m_month.rowCount(); ++row)
        for (int column = 0; column < CalendarMonth::ColumnCount; ++column)
            paintCell(painter, m_month.cell(row, column), cellRect(row, column));
    painter.setPen(FrameGrey);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(grid.adjusted(-1, -1, 0, 0));
}

void MonthGridView::paintBackdrop(QPainter &painter, const QRect &cells) const {
    QFont font = dayNumberFont();
    font.setPixelSize(std::max(cells.height() * 3 / 5, 12));
    painter.setFont(font);
    QColor year = BackdropYear;
    year.setAlpha(BackdropAlpha);
    QColor month = BackdropMonth;
    month.setAlpha(BackdropAlpha);
    // The year over the left part of the grid, the month number over the right.
    const QRect left(cells.left(), cells.top(), cells.width() * 5 / 7, cells.height());
    const QRect right(left.right(), cells.top(), cells.width() - left.width(), cells.height());
    painter.setPen(year);
    painter.drawText(left, Qt::AlignCenter, QString::number(m_month.year()));
    painter.setPen(month);
    painter.drawText(right, Qt::AlignCenter, QString::number(m_month.month()));
}

void MonthGridView::paintHeader(QPainter &painter) const {
    const QRect grid = gridRect();
    const int cellWidth = grid.width() / CalendarMonth::ColumnCount;
    painter.setFont(dayNumberFont());
    for (int column = 0; column < CalendarMonth::ColumnCount; ++column) {
        const bool weekend = column == 0 || column == CalendarMonth::ColumnCount - 1;
        painter.setPen(weekend ? QColor(Qt::red) : TextGrey);
        painter.drawText(
            QRect(grid.left() + column * cellWidth, grid.top(), cellWidth, HeaderHeight),
            Qt::AlignCenter, CalendarMonth::weekdayName(column));
    }
    painter.setPen(HeaderLine);
    const int y = grid.top() + HeaderHeight - 1;
    painter.drawLine(grid.left(), y, grid.right(), y);
}

void MonthGridView::paintCell(QPainter &painter, const CalendarCell &cell,
                              const QRect &rect) const {
    if (cell.isBlank())
        return;
    const bool selected = cell.date == m_selected;
    if (selected) {
        const QRect box = rect.adjusted(1, 1, -2, -2);
        QLinearGradient gradient(box.topLeft(), box.bottomLeft());
        gradient.setColorAt(0, SelectionTop);
        gradient.setColorAt(1, SelectionBottom);
        painter.fillRect(box, gradient);
        painter.setPen(SelectionFrame);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
    }
    // The two lines sit around the middle of the cell, the day number above.
    const int lineHeight = 16;
    const int top = rect.top() + (rect.height() - 2 * lineHeight - 2) / 2;
    const QRect upper(rect.left(), top, rect.width(), lineHeight);
    const QRect lower(rect.left(), top + lineHeight + 2, rect.width(), lineHeight);
    // On the green the set colours would be hard to read: white instead.
    painter.setFont(dayNumberFont());
    painter.setPen(selected ? QColor(Qt::white) : colour(cell.dayNumberRgb()));
    painter.drawText(upper, Qt::AlignCenter, QString::number(cell.dayNumber));
    if (cell.lowerKind == CellTextKind::None)
        return;
    painter.setFont(lunarFont());
    painter.setPen(selected ? QColor(Qt::white) : colour(cell.lowerTextRgb()));
    painter.drawText(lower, Qt::AlignCenter, cell.lowerText);
}

void MonthGridView::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    for (int row = 0; row < m_month.rowCount(); ++row)
        for (int column = 0; column < CalendarMonth::ColumnCount; ++column) {
            const CalendarCell &cell = m_month.cell(row, column);
            if (!cell.isBlank() && cellRect(row, column).contains(event->position().toPoint()))
                emit dateRequested(cell.date);
        }
}

void MonthGridView::keyPressEvent(QKeyEvent *event) {
    QDate target;
    switch (event->key()) {
    case Qt::Key_Left:
        target = m_selected.addDays(-1);
        break;
    case Qt::Key_Right:
        target = m_selected.addDays(1);
        break;
    case Qt::Key_Up:
        target = m_selected.addDays(-7);
        break;
    case Qt::Key_Down:
        target = m_selected.addDays(7);
        break;
    case Qt::Key_PageUp:
        target = m_selected.addMonths(-1);
        break;
    case Qt::Key_PageDown:
        target = m_selected.addMonths(1);
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    emit dateRequested(target);
}

#include "tools/perpetual_calendar.h"

#include "tools/calendar_title.h"
#include "tools/festivals.h"
#include "tools/lunar_calendar.h"
#include "tools/month_grid_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QFont titleFont(int pixels, bool bold) {
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel *titleLabel(const QString &name, const QString &colour, QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setAccessibleName(name);
    label->setFont(titleFont(15, true));
    label->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
    return label;
}

QSpinBox *numberBox(const QString &name, int minimum, int maximum, const QString &colour,
                    QWidget *parent) {
    auto *box = new QSpinBox(parent);
    box->setAccessibleName(name);
    box->setRange(minimum, maximum);
    // A year typed digit by digit passes through 2, 20, 202: jump only once it is whole.
    box->setKeyboardTracking(false);
    box->setFont(titleFont(14, true));
    box->setStyleSheet(QStringLiteral("QSpinBox { color: %1; }").arg(colour));
    return box;
}

} // namespace

PerpetualCalendar::PerpetualCalendar(QWidget *parent)
    : QWidget(parent), m_selected(LunarCalendar::firstDate()), m_today(m_selected) {
    setObjectName(QStringLiteral("perpetualCalendar"));
    m_grid = new MonthGridView(this);
    m_grid->setAccessibleName(QStringLiteral("月历"));
    connect(m_grid, &MonthGridView::dateRequested, this, &PerpetualCalendar::setSelectedDate);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(buildTitleArea());
    layout->addWidget(buildControls());
    layout->addWidget(m_grid, 1);
    refresh();
}

QWidget *PerpetualCalendar::buildTitleArea() {
    auto *area = new QWidget(this);
    m_title = titleLabel(QStringLiteral("日历标题"), QStringLiteral("#808080"), area);
    m_zodiac = titleLabel(QStringLiteral("生肖"), QStringLiteral("#000000"), area);
    m_constellation = titleLabel(QStringLiteral("星座"), QStringLiteral("#000000"), area);
    m_festivals = new QLabel(area);
    m_festivals->setAccessibleName(QStringLiteral("节日"));
    m_festivals->setTextFormat(Qt::RichText);
    m_festivals->setFont(titleFont(13, true));

    auto *row = new QHBoxLayout(area);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(16);
    row->addWidget(m_title);
    row->addWidget(m_zodiac);
    row->addWidget(m_constellation);
    row->addWidget(m_festivals);
    row->addStretch(1);
    return area;
}

QToolButton *PerpetualCalendar::stepButton(const QString &text, const QString &name,
                                           QWidget *parent) {
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setAccessibleName(name);
    button->setToolTip(name);
    button->setFixedSize(30, 26);
    button->setAutoRaise(false);
    return button;
}

QWidget *PerpetualCalendar::buildControls() {
    auto *bar = new QWidget(this);
    m_previousYear = stepButton(QStringLiteral("«"), QStringLiteral("上一年"), bar);
    m_previousMonth = stepButton(QStringLiteral("‹"), QStringLiteral("上一月"), bar);
    m_nextMonth = stepButton(QStringLiteral("›"), QStringLiteral("下一月"), bar);
    m_nextYear = stepButton(QStringLiteral("»"), QStringLiteral("下一年"), bar);
    m_year = numberBox(QStringLiteral("日历年份"), LunarCalendar::firstDate().year(),
                       LunarCalendar::lastDate().year(), QStringLiteral("#0000ff"), bar);
    m_year->setFixedWidth(76);
    m_month = numberBox(QStringLiteral("日历月份"), 1, 12, QStringLiteral("#8080c0"), bar);
    m_month->setFixedWidth(56);
    m_todayButton = new QPushButton(bar);
    m_todayButton->setAccessibleName(QStringLiteral("今天"));
    m_todayButton->setFlat(true);
    m_todayButton->setCursor(Qt::PointingHandCursor);
    m_todayButton->setStyleSheet(
        QStringLiteral("QPushButton { color: #0000ff; border: none; padding: 0 4px; }"));

    connect(m_previousYear, &QToolButton::clicked, this,
            [this] { setSelectedDate(m_selected.addYears(-1)); });
    connect(m_nextYear, &QToolButton::clicked, this,
            [this] { setSelectedDate(m_selected.addYears(1)); });
    connect(m_previousMonth, &QToolButton::clicked, this,
            [this] { setSelectedDate(m_selected.addMonths(-1)); });
    connect(m_nextMonth, &QToolButton::clicked, this,
            [this] { setSelectedDate(m_selected.addMonths(1)); });
    connect(m_year, &QSpinBox::valueChanged, this,
            [this](int year) { showYearMonth(year, m_selected.month()); });
    connect(m_month, &QSpinBox::valueChanged, this,
            [this](int month) { showYearMonth(m_selected.year(), month); });
    connect(m_todayButton, &QPushButton::clicked, this, [this] { setSelectedDate(m_today); });

    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(m_previousYear);
    row->addWidget(m_previousMonth);
    row->addSpacing(4);
    row->addWidget(m_year);
    row->addWidget(new QLabel(QStringLiteral("年"), bar));
    row->addWidget(m_month);
    row->addWidget(new QLabel(QStringLiteral("月"), bar));
    row->addSpacing(4);
    row->addWidget(m_nextMonth);
    row->addWidget(m_nextYear);
    row->addStretch(1);
    row->addWidget(m_todayButton);
    return bar;
}

void PerpetualCalendar::setDateTime(const QDateTime &now) {
    m_today = std::clamp(now.date(), LunarCalendar::firstDate(), LunarCalendar::lastDate());
    m_selected = QDate(); // redraw even when the day stays the same
    setSelectedDate(m_today);
}

void PerpetualCalendar::showYearMonth(int year, int month) {
    const QDate first(year, month, 1);
    if (first.isValid())
        setSelectedDate(QDate(year, month, std::min(m_selected.day(), first.daysInMonth())));
}

void PerpetualCalendar::setSelectedDate(const QDate &date) {
    if (!date.isValid())
        return;
    const QDate day = std::clamp(date, LunarCalendar::firstDate(), LunarCalendar::lastDate());
    if (day == m_selected)
        return;
    m_selected = day;
    refresh();
    emit selectedDateChanged(day);
}

void PerpetualCalendar::refresh() {
    const QDate first = LunarCalendar::firstDate();
    const QDate last = LunarCalendar::lastDate();
    {
        const QSignalBlocker yearBlock(m_year);
        const QSignalBlocker monthBlock(m_month);
        m_year->setValue(m_selected.year());
        m_month->setValue(m_selected.month());
    }
    m_previousYear->setEnabled(m_selected.year() > first.year());
    m_nextYear->setEnabled(m_selected.year() < last.year());
    const auto monthIndex = [](const QDate &d) { return d.year() * 12 + d.month(); };
    m_previousMonth->setEnabled(monthIndex(m_selected) > monthIndex(first));
    m_nextMonth->setEnabled(monthIndex(m_selected) < monthIndex(last));
    m_todayButton->setText(QStringLiteral("今天：") + m_today.toString(Qt::ISODate));

    m_title->setText(CalendarTitle::text(m_selected));
    m_zodiac->setText(CalendarTitle::zodiacText(m_selected));
    m_constellation->setText(CalendarTitle::constellationText(m_selected));
    QStringList festivals;
    for (const Festival &festival : Festivals::on(m_selected))
        festivals << QStringLiteral("<span style=\"color:%1\">%2</span>")
                         .arg(QColor::fromRgba(Festivals::rgb(festival.kind)).name(),
                              festival.name.toHtmlEscaped());
    m_festivals->setText(festivals.join(QLatin1Char(' ')));
    m_grid->setSelectedDate(m_selected);
}

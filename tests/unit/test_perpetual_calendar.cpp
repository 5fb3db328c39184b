#include "tools/month_grid_view.h"
#include "tools/perpetual_calendar.h"

#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace {

QDate date(const char *iso) {
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

template <typename T> T *named(const QWidget &parent, const char *name) {
    for (T *w : parent.findChildren<T *>())
        if (w->accessibleName() == QString::fromUtf8(name))
            return w;
    return nullptr;
}

} // namespace

class TestPerpetualCalendar : public QObject {
    Q_OBJECT

private slots:
    // The controls keep the day where the month has it, else its last day.
    void stepsKeepTheDay() {
        PerpetualCalendar calendar;
        calendar.setDateTime(QDateTime(date("2024-01-31"), QTime(23, 59)));
        named<QToolButton>(calendar, "下一月")->click();
        QCOMPARE(calendar.selectedDate(), date("2024-02-29"));
        named<QToolButton>(calendar, "下一年")->click();
        QCOMPARE(calendar.selectedDate(), date("2025-02-28"));
        calendar.yearBox()->setValue(1949);
        QCOMPARE(calendar.selectedDate(), date("1949-02-28"));
        calendar.monthBox()->setValue(10);
        QCOMPARE(calendar.selectedDate(), date("1949-10-28"));
        QCOMPARE(calendar.grid()->month().month(), 10);
        QCOMPARE(named<QLabel>(calendar, "日历标题")->text(),
                 QStringLiteral("1949-10-28 农历九月初七"));
    }

    // Nothing outside the lunar table can be selected, and the arrows say so.
    void rangeEnds() {
        PerpetualCalendar calendar;
        calendar.setDateTime(QDateTime(date("2150-06-01"), QTime(8, 0)));
        QCOMPARE(calendar.selectedDate(), date("2099-12-31"));
        QVERIFY(!named<QToolButton>(calendar, "下一月")->isEnabled());
        QVERIFY(!named<QToolButton>(calendar, "下一年")->isEnabled());
        QVERIFY(named<QToolButton>(calendar, "上一月")->isEnabled());
        calendar.setSelectedDate(date("1901-01-20"));
        QVERIFY(!named<QToolButton>(calendar, "上一月")->isEnabled());
        QVERIFY(!named<QToolButton>(calendar, "上一年")->isEnabled());
        calendar.setSelectedDate(date("1900-12-31"));
        QCOMPARE(calendar.selectedDate(), date("1901-01-01"));
        QCOMPARE(calendar.yearBox()->minimum(), 1901);
        QCOMPARE(calendar.yearBox()->maximum(), 2099);
    }

    // A click selects the day under it; the blank cells around the month do nothing.
    void clicksOnCells() {
        PerpetualCalendar calendar;
        calendar.resize(760, 480);
        calendar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calendar));
        calendar.setDateTime(QDateTime(date("2024-02-10"), QTime(9, 0)));
        QSignalSpy changed(&calendar, &PerpetualCalendar::selectedDateChanged);
        MonthGridView *grid = calendar.grid();
        const QRect first = grid->dayRect(1); // a Thursday
        QVERIFY(!first.isEmpty());
        QVERIFY(grid->dayRect(30).isEmpty());
        QTest::mouseClick(grid, Qt::LeftButton, {}, first.center() - QPoint(first.width(), 0));
        QCOMPARE(changed.count(), 0);
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->dayRect(29).center());
        QCOMPARE(calendar.selectedDate(), date("2024-02-29"));
        QCOMPARE(changed.count(), 1);
        QTest::keyClick(grid, Qt::Key_Right);
        QCOMPARE(calendar.selectedDate(), date("2024-03-01"));
        QCOMPARE(grid->month().month(), 3);
    }
};

QTEST_MAIN(TestPerpetualCalendar)
#include "test_perpetual_calendar.moc"

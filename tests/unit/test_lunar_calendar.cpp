#include "tools/calendar_month.h"
#include "tools/calendar_title.h"
#include "tools/festivals.h"
#include "tools/lunar_calendar.h"

#include <QTest>

namespace {

// 正月初一 of 1901..2099 as month * 100 + day, worked out from Meeus' new-moon and
// solar-longitude series (Beijing local time before 1929, UTC+8 from then on), not from
// the month table under test.
constexpr int SpringFestivals[] = {
    219, 208, 129, 216, 204, 125, 213, 202, 122, 210, 130, 218, 206, 126, 214, 203, 123, 211, 201,
    220, 208, 128, 216, 205, 124, 213, 202, 123, 210, 130, 217, 206, 126, 214, 204, 124, 211, 131,
    219, 208, 127, 215, 205, 125, 213, 202, 122, 210, 129, 217, 206, 127, 214, 203, 124, 212, 131,
    218, 208, 128, 215, 205, 125, 213, 202, 121, 209, 130, 217, 206, 127, 215, 203, 123, 211, 131,
    218, 207, 128, 216, 205, 125, 213, 202, 220, 209, 129, 217, 206, 127, 215, 204, 123, 210, 131,
    219, 207, 128, 216, 205, 124, 212, 201, 122, 209, 129, 218, 207, 126, 214, 203, 123, 210, 131,
    219, 208, 128, 216, 205, 125, 212, 201, 122, 210, 129, 217, 206, 126, 213, 203, 123, 211, 131,
    219, 208, 128, 215, 204, 124, 212, 201, 122, 210, 130, 217, 206, 126, 214, 202, 123, 211, 201,
    219, 208, 128, 215, 204, 124, 212, 202, 121, 209, 129, 217, 205, 126, 214, 203, 123, 211, 131,
    219, 207, 127, 215, 205, 124, 212, 202, 122, 209, 129, 217, 206, 126, 214, 203, 124, 210, 130,
    218, 207, 127, 215, 205, 125, 212, 201, 121};

// Leap months of 1901..2099 from the same computation: year * 100 + month.
constexpr int LeapMonths[] = {
    190305, 190604, 190902, 191106, 191405, 191702, 191907, 192205, 192504, 192802, 193006,
    193305, 193603, 193807, 194106, 194404, 194702, 194907, 195205, 195503, 195708, 196006,
    196304, 196603, 196807, 197105, 197404, 197608, 197906, 198204, 198410, 198706, 199005,
    199303, 199508, 199805, 200104, 200402, 200607, 200905, 201204, 201409, 201706, 202004,
    202302, 202506, 202805, 203103, 203311, 203606, 203905, 204202, 204407, 204705, 205003,
    205208, 205506, 205804, 206103, 206307, 206605, 206904, 207108, 207406, 207704, 208003,
    208207, 208505, 208804, 209008, 209306, 209604, 209902};

QDate date(const char *iso) {
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

QString lunarName(const char *iso) {
    return LunarCalendar::dateName(LunarCalendar::lunarDate(date(iso)));
}

} // namespace

class TestLunarCalendar : public QObject {
    Q_OBJECT
private slots:
    void springFestivalsAndLeapMonths() {
        static_assert(std::size(SpringFestivals) == 199);
        for (int year = 1901; year <= 2099; ++year) {
            const int md = SpringFestivals[year - 1901];
            const QDate newYear(year, md / 100, md % 100);
            QCOMPARE(LunarCalendar::newYearDay(year), newYear);
            const LunarDate first = LunarCalendar::lunarDate(newYear);
            QCOMPARE(first.year, year);
            QVERIFY(first.month == 1 && first.day == 1 && !first.leap);
            const LunarDate eve = LunarCalendar::lunarDate(newYear.addDays(-1));
            QVERIFY(eve.month == 12 && eve.day == eve.monthDays && eve.year == year - 1);
            // 除夕 comes first; 情人节 may share its day.
            QCOMPARE(Festivals::namesOn(newYear.addDays(-1)).value(0), "除夕");
        }
        int next = 0;
        for (int year = 1901; year <= 2099; ++year) {
            int expected = 0;
            if (next < int(std::size(LeapMonths)) && LeapMonths[next] / 100 == year)
                expected = LeapMonths[next++] % 100;
            QCOMPARE(LunarCalendar::leapMonth(year), expected);
        }
    }

    void leapMonthEnds_data() {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QString>("name");
        QTest::newRow("2020") << date("2020-05-23") << date("2020-06-20") << "闰四月";
        QTest::newRow("2023") << date("2023-03-22") << date("2023-04-19") << "闰二月";
        QTest::newRow("2025") << date("2025-07-25") << date("2025-08-22") << "闰六月";
        QTest::newRow("2033") << date("2033-12-22") << date("2034-01-19") << "闰冬月";
    }
    void leapMonthEnds() {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QString, name);
        const LunarDate a = LunarCalendar::lunarDate(first);
        const LunarDate b = LunarCalendar::lunarDate(last);
        QVERIFY(a.leap && b.leap && a.month == b.month);
        QCOMPARE(LunarCalendar::dateName(a), name + "初一");
        QCOMPARE(b.day, 29);
        QCOMPARE(b.monthDays, 29);
        QCOMPARE(LunarCalendar::dateName(b), name + "廿九");
        QVERIFY(LunarCalendar::lunarDate(first.addDays(-1)).day >= 29);
        const LunarDate after = LunarCalendar::lunarDate(last.addDays(1));
        QVERIFY(!after.leap && after.day == 1 && after.month == b.month % 12 + 1);
    }

    void names() {
        const QStringList months = {"正月", "二月", "三月", "四月", "五月", "六月",
                                    "七月", "八月", "九月", "十月", "冬月", "腊月"};
        for (int m = 1; m <= 12; ++m)
            QCOMPARE(LunarCalendar::monthName(m), months[m - 1]);
        const QStringList days = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八",
                                  "初九", "初十", "十一", "十二", "十三", "十四", "十五", "十六",
                                  "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三", "廿四",
                                  "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
        for (int d = 1; d <= 30; ++d)
            QCOMPARE(LunarCalendar::dayName(d), days[d - 1]);
        QVERIFY(LunarCalendar::dayName(0).isEmpty() && LunarCalendar::dayName(31).isEmpty());
        QVERIFY(LunarCalendar::monthName(13).isEmpty());
    }

    void festivals_data() {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("lunar");
        QTest::newRow("eve on a 29th") << date("2025-01-28") << QStringList{"除夕"} << "腊月廿九";
        QTest::newRow("leap 5-5") << date("2009-06-27") << QStringList{} << "闰五月初五";
        QTest::newRow("ordinary 5-5") << date("2009-05-28") << QStringList{"端午节"} << "五月初五";
        QTest::newRow("three, lunar first")
            << date("2020-10-01") << QStringList{"中秋节", "国庆节", "老人节"} << "八月十五";
        QTest::newRow("mother's day") << date("2024-05-12") << QStringList{"母亲节"} << "四月初五";
        QTest::newRow("first sunday of may") << date("2024-05-05") << QStringList{} << "三月廿七";
        QTest::newRow("father's day") << date("2024-06-16") << QStringList{"父亲节"} << "五月十一";
        QTest::newRow("thanksgiving") << date("2024-11-28") << QStringList{"感恩节"} << "十月廿八";
        QTest::newRow("third thursday") << date("2024-11-21") << QStringList{} << "十月廿一";
        QTest::newRow("new year's day")
            << date("2024-01-01") << QStringList{"元旦节"} << "冬月二十";
    }
    void festivals() {
        QFETCH(QDate, day);
        QFETCH(QStringList, names);
        QFETCH(QString, lunar);
        QCOMPARE(Festivals::namesOn(day), names);
        QCOMPARE(LunarCalendar::dateName(LunarCalendar::lunarDate(day)), lunar);
    }

    void festivalKinds() {
        const QList<Festival> three = Festivals::on(date("2020-10-01"));
        QCOMPARE(three.size(), 3);
        QCOMPARE(three[0].kind, FestivalKind::LunarHoliday);
        QCOMPARE(three[2].kind, FestivalKind::Holiday);
        QCOMPARE(Festivals::on(date("2024-05-12")).value(0).kind, FestivalKind::CnHoliday);
        QCOMPARE(Festivals::rgb(FestivalKind::LunarHoliday), 0xff5353ffu);
        QCOMPARE(Festivals::rgb(FestivalKind::CnHoliday), 0xffff8000u);
    }

    void zodiacAndConstellation() {
        QCOMPARE(CalendarTitle::zodiacText(date("2024-02-09")), "兔年");
        QCOMPARE(CalendarTitle::zodiacText(date("2024-02-10")), "龙年");
        QCOMPARE(CalendarTitle::zodiacText(date("1901-01-01")), "鼠年");
        const QList<std::pair<const char *, const char *>> signs = {
            {"2024-01-19", "摩羯座"}, {"2024-01-20", "水瓶座"}, {"2024-02-18", "水瓶座"},
            {"2024-02-19", "双鱼座"}, {"2024-06-21", "双子座"}, {"2024-06-22", "巨蟹座"},
            {"2024-10-23", "天秤座"}, {"2024-10-24", "天蝎座"}, {"2024-12-21", "射手座"},
            {"2024-12-22", "摩羯座"}};
        for (const auto &[day, sign] : signs)
            QCOMPARE(CalendarTitle::constellationText(date(day)), QString::fromUtf8(sign));
    }

    void titles() {
        const QList<std::pair<int, const char *>> eras = {
            {1901, "光绪二十七年"}, {1908, "光绪三十四年"}, {1909, "宣统元年"},
            {1911, "宣统三年"},     {1912, "民国元年"},     {1921, "民国十年"},
            {1924, "民国十三年"},   {1931, "民国二十年"},   {1948, "民国三十七年"}};
        for (const auto &[year, era] : eras)
            QCOMPARE(CalendarTitle::eraText(year), QString::fromUtf8(era));
        QVERIFY(CalendarTitle::eraText(1949).isEmpty());
        QCOMPARE(CalendarTitle::text(date("2024-02-10")), "2024-02-10 农历正月初一");
        QCOMPARE(CalendarTitle::text(date("1924-05-03")), "民国十三年 农历三月三十");
        QCOMPARE(CalendarTitle::text(date("1948-12-31")), "民国三十七年 农历腊月初二");
        QCOMPARE(CalendarTitle::text(date("1949-01-01")), "1949-01-01 农历腊月初三");
    }

    void rangeEnds() {
        QCOMPARE(LunarCalendar::firstDate(), date("1901-01-01"));
        QCOMPARE(LunarCalendar::lastDate(), date("2099-12-31"));
        QCOMPARE(lunarName("1901-01-01"), "冬月十一");
        QCOMPARE(lunarName("2099-12-31"), "冬月二十");
        QVERIFY(!LunarCalendar::lunarDate(date("1900-12-31")).isValid());
        QVERIFY(!LunarCalendar::lunarDate(date("2100-01-01")).isValid());
        QVERIFY(!LunarCalendar::lunarDate(QDate()).isValid());
        QVERIFY(CalendarTitle::text(date("2100-01-01")).isEmpty());
        QVERIFY(Festivals::namesOn(date("2100-01-01")) == QStringList{"元旦节"});
        QVERIFY(!LunarCalendar::newYearDay(1900).isValid());
    }

    // The month-by-month walk must agree with the day-by-day lookup over the whole range,
    // and every lunar month must run from 初一 to its last day without a gap.
    void walkMatchesLookup() {
        const QDate first = LunarCalendar::firstDate();
        const QList<LunarDate> all = LunarCalendar::lunarDates(first, LunarCalendar::lastDate());
        QCOMPARE(all.size(), first.daysTo(LunarCalendar::lastDate()) + 1);
        for (int i = 0; i < all.size(); ++i) {
            if (all[i] != LunarCalendar::lunarDate(first.addDays(i)))
                QFAIL(qPrintable(first.addDays(i).toString(Qt::ISODate)));
            if (i > 0 &&
                all[i].day != (all[i - 1].day == all[i - 1].monthDays ? 1 : all[i - 1].day + 1))
                QFAIL(qPrintable(first.addDays(i).toString(Qt::ISODate)));
        }
        QVERIFY(LunarCalendar::lunarDates(date("2000-01-02"), date("2000-01-01")).isEmpty());
    }

    void monthLayout() {
        const CalendarMonth february(2026, 2); // starts on a Sunday, 28 days
        QCOMPARE(february.rowCount(), 4);
        QCOMPARE(february.cell(0, 0).date, date("2026-02-01"));
        QVERIFY(february.cell(0, 0).weekend && february.cell(3, 6).weekend);
        QVERIFY(!february.cell(0, 1).weekend);
        QCOMPARE(february.positionOf(date("2026-02-17")), QPoint(2, 2));
        QCOMPARE(february.positionOf(date("2026-03-01")), QPoint(-1, -1));

        const CalendarCell &springFestival = february.cell(2, 2); // also 正月初一
        QCOMPARE(springFestival.lowerText, "春节");
        QCOMPARE(springFestival.lowerKind, CellTextKind::Festival);
        QCOMPARE(springFestival.lowerTextRgb(), 0xff5353ffu);
        QCOMPARE(february.cell(2, 1).lowerText, "除夕");
        QCOMPARE(february.cell(1, 6).lowerText, "情人节");
        QCOMPARE(february.cell(1, 6).lowerTextRgb(), 0xffff8000u);
        QCOMPARE(february.cell(2, 3).lowerText, "初二");
        QCOMPARE(february.cell(2, 3).lowerKind, CellTextKind::LunarDay);

        const CalendarMonth march(2026, 3);
        QCOMPARE(march.rowCount(), 5);
        const CalendarCell &secondMonth = march.cell(2, 4); // 2026-03-19, 二月初一
        QCOMPARE(secondMonth.date, date("2026-03-19"));
        QCOMPARE(secondMonth.lowerText, "二月");
        QCOMPARE(secondMonth.lowerKind, CellTextKind::LunarMonth);
        QCOMPARE(secondMonth.lowerTextRgb(), 0xffff0000u);
        QVERIFY(march.cell(4, 3).isBlank() && march.cell(4, 3).lowerText.isEmpty());

        const CalendarMonth may(2026, 5); // starts on a Friday, 31 days
        QCOMPARE(may.rowCount(), 6);
        QVERIFY(may.cell(0, 4).isBlank());
        QCOMPARE(may.cell(0, 5).dayNumber, 1);
        QCOMPARE(may.cell(5, 0).date, date("2026-05-31"));
    }
};

QTEST_GUILESS_MAIN(TestLunarCalendar)
#include "test_lunar_calendar.moc"

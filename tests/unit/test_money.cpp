#include "store/dates.h"
#include "store/money.h"

#include <QTest>
#include <limits>

class TestMoney : public QObject {
    Q_OBJECT
private slots:
    void parsesWhatPeopleType_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("raw");
        QTest::newRow("whole") << "12" << qint64(120000);
        QTest::newRow("decimal") << "12.5" << qint64(125000);
        QTest::newRow("leading point") << ".5" << qint64(5000);
        QTest::newRow("negative") << "-3" << qint64(-30000);
        QTest::newRow("zero with decimals") << "0.0" << qint64(0);
        QTest::newRow("double zero") << "00" << qint64(0);
        QTest::newRow("trailing point") << "7." << qint64(70000);
        QTest::newRow("four decimals") << "0.0001" << qint64(1);
        QTest::newRow("fifth decimal rounds up") << "0.00005" << qint64(1);
        QTest::newRow("fifth decimal rounds down") << "0.00004" << qint64(0);
        QTest::newRow("negative rounds away from zero") << "-0.00005" << qint64(-1);
        QTest::newRow("top of range") << "922337203685477.5807" << qint64(9223372036854775807LL);
        QTest::newRow("bottom of range")
            << "-922337203685477.5808" << qint64(-9223372036854775807LL - 1);
    }
    void parsesWhatPeopleType() {
        QFETCH(QString, text);
        QFETCH(qint64, raw);
        const auto money = Money::parse(text);
        QVERIFY2(money.has_value(), qPrintable(text));
        QCOMPARE(money->raw(), raw);
    }

    void refusesWhatIsNotAnAmount_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("error");
        const int notNumber = int(Money::ParseError::NotANumber);
        const int range = int(Money::ParseError::OutOfRange);
        QTest::newRow("empty") << "" << int(Money::ParseError::Empty);
        QTest::newRow("inner blank") << "1 2" << notNumber;
        QTest::newRow("letters") << "abc" << notNumber;
        QTest::newRow("point alone") << "." << notNumber;
        QTest::newRow("sign alone") << "-" << notNumber;
        QTest::newRow("exponent") << "1E15" << notNumber;
        QTest::newRow("two points") << "1.2.3" << notNumber;
        QTest::newRow("full-width digits") << "１２" << notNumber;
        QTest::newRow("just past the top") << "922337203685477.5808" << range;
        QTest::newRow("rounding past the top") << "922337203685477.58075" << range;
        QTest::newRow("far past the top") << "99999999999999999999999" << range;
        QTest::newRow("just past the bottom") << "-922337203685477.5809" << range;
    }
    void refusesWhatIsNotAnAmount() {
        QFETCH(QString, text);
        QFETCH(int, error);
        Money::ParseError why = Money::ParseError::None;
        QVERIFY(!Money::parse(text, &why).has_value());
        QCOMPARE(int(why), error);
        QVERIFY(!Money::errorText(why).isEmpty());
    }

    void formatsInEveryStyle_data() {
        QTest::addColumn<qint64>("raw");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("currency");
        QTest::newRow("decimal") << qint64(12505000) << "1250.5"
                                 << "￥1250.50"
                                 << "¥1,250.50";
        QTest::newRow("zero") << qint64(0) << "0"
                              << "￥.00"
                              << "¥0.00";
        QTest::newRow("negative") << qint64(-20000) << "-2"
                                  << "-￥2.00"
                                  << "-¥2.00";
        QTest::newRow("below one") << qint64(5000) << "0.5"
                                   << "￥.50"
                                   << "¥0.50";
        QTest::newRow("twelve fifty") << qint64(125000) << "12.5"
                                      << "￥12.50"
                                      << "¥12.50";
        QTest::newRow("rounds cents") << qint64(12345) << "1.2345"
                                      << "￥1.23"
                                      << "¥1.23";
        QTest::newRow("rounds up into yuan") << qint64(19999) << "1.9999"
                                             << "￥2.00"
                                             << "¥2.00";
        QTest::newRow("millions") << qint64(12345678900000) << "1234567890"
                                  << "￥1234567890.00"
                                  << "¥1,234,567,890.00";
        QTest::newRow("minimum") << qint64(-9223372036854775807LL - 1) << "-922337203685477.5808"
                                 << "-￥922337203685477.58"
                                 << "-¥922,337,203,685,477.58";
    }
    void formatsInEveryStyle() {
        QFETCH(qint64, raw);
        QFETCH(QString, plain);
        QFETCH(QString, picture);
        QFETCH(QString, currency);
        const Money m = Money::fromRaw(raw);
        QCOMPARE(m.toPlain(), plain);
        QCOMPARE(m.toYuanPicture(), picture);
        QCOMPARE(m.toCurrency(), currency);
    }

    void plainTextReadsBackExactly() {
        for (qint64 raw : {qint64(1), qint64(-1), qint64(123456789), qint64(9223372036854775807LL)})
            QCOMPARE(Money::parse(Money::fromRaw(raw).toPlain())->raw(), raw);
    }

    void arithmeticReportsOverflowInsteadOfWrapping() {
        const Money max = Money::fromRaw(std::numeric_limits<qint64>::max());
        const Money min = Money::fromRaw(std::numeric_limits<qint64>::min());
        QCOMPARE(Money::sum(Money::fromYuan(2), Money::fromRaw(5000)), Money::fromRaw(25000));
        QVERIFY(!Money::sum(max, Money::fromRaw(1)));
        QVERIFY(!Money::difference(min, Money::fromRaw(1)));
        QCOMPARE(Money::difference(Money(), max), Money::fromRaw(-max.raw()));
        // An empty side gives an empty result, as an empty column would.
        QVERIFY(!Money::sum(std::optional<Money>(), std::optional<Money>(Money::fromYuan(1))));
    }

    // One typed amount is at most 一千亿, either sign; what parse() refuses as out of the
    // currency range is too large here as well.
    void typedAmountsStopAtOneHundredBillion() {
        using E = Money::ParseError;
        E why = E::None;
        QCOMPARE(Money::parseTyped("100000000000", &why), Money::fromYuan(100'000'000'000));
        QCOMPARE(Money::parseTyped("-100000000000.0000", &why), Money::fromYuan(-100'000'000'000));
        for (const char *text :
             {"100000000000.0001", "-100000000001", "500000000000000", "99999999999999999999999"}) {
            QVERIFY2(!Money::parseTyped(text, &why), text);
            QCOMPARE(why, E::TooLarge);
        }
        QVERIFY(!Money::parseTyped("12a", &why));
        QCOMPARE(why, E::NotANumber);
        QVERIFY(Money::errorText(E::TooLarge).contains("一千亿"));
    }

    void monthHelpersCrossYearEnds() {
        QCOMPARE(Dates::firstOfMonth(QDate(2024, 5, 17)), QDate(2024, 5, 1));
        QCOMPARE(Dates::lastOfMonth(QDate(2024, 2, 3)), QDate(2024, 2, 29));
        QCOMPARE(Dates::lastOfMonth(QDate(2023, 2, 3)), QDate(2023, 2, 28));
        QCOMPARE(Dates::lastOfMonth(QDate(2024, 12, 31)), QDate(2024, 12, 31));
        QCOMPARE(Dates::firstOfNextMonth(QDate(2024, 12, 31)), QDate(2025, 1, 1));
        QCOMPARE(Dates::firstOfPreviousMonth(QDate(2025, 1, 15)), QDate(2024, 12, 1));
        QCOMPARE(Dates::firstOfPreviousMonth(QDate(2024, 3, 31)), QDate(2024, 2, 1));
    }

    void canonicalTextRoundTrips() {
        QCOMPARE(Dates::canonical(QDate(2024, 5, 3)), QStringLiteral("2024-05-03 00:00:00"));
        const QDateTime moment(QDate(2024, 5, 3), QTime(10, 0, 7));
        QCOMPARE(Dates::canonical(moment), QStringLiteral("2024-05-03 10:00:07"));
        QCOMPARE(*Dates::parse(QStringLiteral("2024-05-03 10:00:07")), moment);
        QVERIFY(!Dates::parse(QStringLiteral("2024-05-03T10:00:07.000")));
        QVERIFY(!Dates::parse(QStringLiteral("2024-02-30 00:00:00")));
        QCOMPARE(Dates::display(QStringLiteral("2024-05-03 00:00:00")),
                 QStringLiteral("2024-05-03"));
        QCOMPARE(Dates::display(moment), QStringLiteral("2024-05-03 10:00:07"));
    }
};

QTEST_GUILESS_MAIN(TestMoney)
#include "test_money.moc"

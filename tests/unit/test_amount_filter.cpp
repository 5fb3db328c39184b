#include "entry/amount_filter.h"

#include <QTest>

class TestAmountFilter : public QObject {
    Q_OBJECT

private slots:
    void keys_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("accepted");

        QTest::newRow("digit") << ""
                               << "7" << true;
        QTest::newRow("blank goes in") << "1"
                                       << " " << true;
        QTest::newRow("letter") << "1"
                                << "a" << false;
        QTest::newRow("minus typed") << ""
                                     << "-" << false;
        QTest::newRow("comma") << "1"
                               << "," << false;
        QTest::newRow("full-width digit") << "1"
                                          << "１" << false;
        QTest::newRow("first point") << "12"
                                     << "." << true;
        QTest::newRow("second point") << "1.2"
                                      << "." << false;
        QTest::newRow("point after point") << "1."
                                           << "." << false;
        QTest::newRow("one decimal, another digit") << "1.2"
                                                    << "3" << true;
        QTest::newRow("two decimals lock digits") << "12.34"
                                                  << "5" << false;
        QTest::newRow("two decimals lock blanks") << "12.34"
                                                  << " " << false;
        QTest::newRow("two decimals allow backspace") << "12.34"
                                                      << "\b" << true;
        QTest::newRow("point first, two decimals") << ".50"
                                                   << "1" << false;
        QTest::newRow("three after the point is not locked") << "1.234"
                                                             << "5" << true;
        QTest::newRow("backspace on empty") << ""
                                            << "\b" << true;
    }

    void keys() {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(bool, accepted);
        QCOMPARE(amountKeyAccepted(text, key.at(0)), accepted);
    }
};

QTEST_APPLESS_MAIN(TestAmountFilter)
#include "test_amount_filter.moc"

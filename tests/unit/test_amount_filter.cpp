#include "entry/amount_filter.h"

#include <QLineEdit>
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
        // A change that brings that one key in is judged the same.
        if (key != "\b")
            QCOMPARE(amountChangeAccepted(text, text + key), accepted);
    }

    // Text that comes in several characters at once (a paste) is taken as typed in turn;
    // what goes out is always allowed.
    void changes_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("paste digits") << "0"
                                      << "0125" << true;
        QTest::newRow("paste a sign") << ""
                                      << "-5" << false;
        QTest::newRow("paste three decimals") << ""
                                              << "12.345" << false;
        QTest::newRow("paste two decimals") << ""
                                            << "12.34" << true;
        QTest::newRow("paste two points") << "1"
                                          << "1.2.3" << false;
        QTest::newRow("paste over a selection") << "12.34"
                                                << "7" << false;
        QTest::newRow("paste over part") << "123"
                                         << "1.53" << true;
        QTest::newRow("paste into the middle when locked") << "12.34"
                                                           << "192.34" << false;
        QTest::newRow("cut a part") << "12.34"
                                    << "1.34" << true;
        QTest::newRow("clear") << "-5e3"
                               << "" << true;
        QTest::newRow("unchanged") << "-5"
                                   << "-5" << true;
    }

    void changes() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, accepted);
        QCOMPARE(amountChangeAccepted(before, after), accepted);
    }

    // The field itself: insert() is what a paste does; the program's own values go in
    // as they are.
    void fieldFiltersPastesButNotTheProgramsValues() {
        QLineEdit field;
        new AmountValidator(&field);
        field.insert("-12.345");
        QCOMPARE(field.text(), QString());
        field.insert("12.3");
        QCOMPARE(field.text(), QString("12.3"));
        AmountValidator::setProgramText(&field, "-2.125");
        QCOMPARE(field.text(), QString("-2.125"));
        field.selectAll();
        field.insert("7x");
        QCOMPARE(field.text(), QString("-2.125"));
        field.selectAll();
        field.insert("7");
        QCOMPARE(field.text(), QString("7"));
    }
};

QTEST_MAIN(TestAmountFilter)
#include "test_amount_filter.moc"

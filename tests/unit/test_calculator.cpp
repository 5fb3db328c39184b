#include "entry/calculator.h"
#include "entry/number_text.h"

#include <QTest>

namespace {

// Plays keys on a calculator the way the box does, keeping the amount box's text.
// Keys: digits, '.', '+', '-', '*', '/', '=', 'C' clear, 'B' backspace, 'O' open/close.
struct Run {
    Calculator calc;
    QString amount = QStringLiteral("0");
    QStringList writes;   // every text written into the amount box, in order
    QStringList messages; // every message shown, in order

    void apply(const Calculator::Outcome &outcome) {
        if (outcome.message != Calculator::Message::None)
            messages << Calculator::messageText(outcome.message);
        if (outcome.amount) {
            amount = *outcome.amount;
            writes << amount;
        }
    }
    void keys(const QString &keys) {
        using Op = Calculator::Operator;
        const QString operators = QStringLiteral("+-*/");
        for (const QChar key : keys) {
            if (key.isDigit())
                apply(calc.digit(key.digitValue()));
            else if (operators.contains(key))
                apply(calc.operatorKey(Op(operators.indexOf(key) + 1)));
            else if (key == u'.')
                apply(calc.point());
            else if (key == u'=')
                apply(calc.equals());
            else if (key == u'C')
                apply(calc.reset());
            else if (key == u'B')
                apply(calc.backspace(amount));
            else if (key == u'O')
                calc.load(amount);
        }
    }
};

// One row of the sequences table: the keys, the texts written into the amount box, the
// messages shown, and the amount text typed by hand before the keys.
void row(const char *tag, const char *keys, const char *writes, const char *messages = "",
         const char *typed = "0") {
    QTest::newRow(tag) << QString::fromUtf8(typed) << QString::fromUtf8(keys)
                       << QString::fromUtf8(writes) << QString::fromUtf8(messages);
}

} // namespace

class TestCalculator : public QObject {
    Q_OBJECT
private slots:
    void sequences_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("writes");
        QTest::addColumn<QString>("messages");
        row("worked sequence", "12+3=", "1 12 3 15");
        row("operator on second 0 replaces", "5*0+2=", "5 0 2 7");
        row("chaining", "5+3+2=", "5 3 8 2 10");
        row("fifteen digits", "10/3=", "1 10 3 3.33333333333333");
        row("negative result", "3-5=", "3 5 -2");
        row("zero decimal moves on", "1.05", "1 1 1.05");
        row("second point refused", "1.2.3", "1 1.2 1.23", "非法输入!");
        row("point after 0 decimal refused", "1.0.", "1 1", "非法输入!");
        row("digit after result starts over", "1+2=4", "1 2 3 4");
        row("equals twice uses second 0", "2*3==", "2 3 6 0");
        row("equals without operator", "7=", "7");
        row("pending operator survives reopening", "6*3=O=", "6 3 18 0");
        row("point continues the result", "3+5=O.5", "3 5 8 8.5");
        row("decimals of a negative result", "3-5=.5", "3 5 -2 -2.5");
        row("zero denominator after reset", "8/0=", "8 0 0", "分母不能为零!");
        row("zero denominator keeps result", "6+2=/0=", "6 2 8 0 8", "分母不能为零!");
        row("clear", "12C", "1 12 0");
        row("sixteen digits turn scientific", "9999999999999999=",
            "9 99 999 9999 99999 999999 9999999 99999999 999999999 9999999999 99999999999 "
            "999999999999 9999999999999 99999999999999 999999999999999 1E16");

        // Backspace takes the character off the operand it shows.
        row("backspace on operand", "12B4", "1 12 1 14");
        row("backspace keeps the point", "1.5B7", "1 1.5 1. 1.7");
        row("backspace over the point", "1.5BB7", "1 1.5 1. 1 17");
        row("backspace on second operand", "9+12B4=", "9 1 12 1 14 23");
        row("backspace on a result", "9+6=B4=", "9 6 15 1 14 14");
        row("backspace leaves no bare sign", "3-5=B", "3 5 -2 0");
        row("backspace on single digit", "7B3", "7 0 3");
        // The first operand on show after "+" is not the operand being typed.
        row("backspace after operator", "12+B3=", "1 12 1 3 15");

        // Text typed by hand and loaded by opening the box.
        row("loaded value continues as integer", "O3", "28", "", "2.5");
        row("loaded value then backspace", "OB3", "2. 2.3", "", "2.5");
        row("not a number loads 0", "O+4=", "4 4", "", "1 2");
        row("hand-typed text only loses a character", "BB", "1  1", "", "1 2");
    }
    void sequences() {
        QFETCH(QString, typed);
        QFETCH(QString, keys);
        QFETCH(QString, writes);
        QFETCH(QString, messages);
        Run run;
        run.amount = typed;
        run.keys(keys);
        QCOMPARE(run.writes.join(QLatin1Char(' ')), writes);
        QCOMPARE(run.messages.join(QLatin1Char(' ')), messages);
    }

    void registersAfterWorkedSequence() {
        Run run;
        run.keys(QStringLiteral("12+3="));
        QCOMPARE(run.calc.first(), 15.0);
        QCOMPARE(run.calc.second(), 0.0);
        QCOMPARE(run.calc.result(), 15.0);
        QCOMPARE(run.calc.slot(), 1);
        QCOMPARE(run.calc.pendingOperator(), Calculator::Operator::Add);
        QCOMPARE(run.calc.decimals(), 0);
        QVERIFY(run.calc.fresh());

        run.keys(QStringLiteral("C"));
        QCOMPARE(run.calc.first(), 0.0);
        QCOMPARE(run.calc.result(), 0.0);
        QCOMPARE(run.calc.pendingOperator(), Calculator::Operator::None);
        QVERIFY(!run.calc.fresh());
        QCOMPARE(run.amount, QStringLiteral("0"));
    }

    void pointAloneChangesNothingShown() {
        Run run;
        run.keys(QStringLiteral("12+."));
        QCOMPARE(run.amount, QStringLiteral("12"));
        QCOMPARE(run.calc.decimals(), 1);
        QCOMPARE(run.calc.slot(), 2);
    }

    void generalNumberText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("integer") << 15.0 << "15";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("negative") << -2.0 << "-2";
        QTest::newRow("third") << 10.0 / 3 << "3.33333333333333";
        QTest::newRow("binary noise hidden") << 0.1 + 0.2 << "0.3";
        QTest::newRow("below one") << 0.5 << "0.5";
        QTest::newRow("fifteen integer digits") << 999999999999999.0 << "999999999999999";
        QTest::newRow("rounds up to sixteen digits") << 999999999999999.9 << "1E15";
        QTest::newRow("sixteen integer digits") << 1e15 << "1E15";
        QTest::newRow("rounded to fifteen digits") << 123456789012345.6 << "123456789012346";
        QTest::newRow("big mantissa") << 1.5e20 << "1.5E20";
        QTest::newRow("smallest plain") << 0.00001 << "0.00001";
        QTest::newRow("below smallest plain") << 0.0000015 << "1.5E-6";
        QTest::newRow("negative tiny") << -1.5e-6 << "-1.5E-6";
        QTest::newRow("huge exponent") << 1e100 << "1E100";
        QTest::newRow("many decimals") << 1234.56789 << "1234.56789";
        QTest::newRow("infinity") << qInf() << "INF";
        QTest::newRow("minus infinity") << -qInf() << "-INF";
        QTest::newRow("not a number") << qQNaN() << "NAN";
    }
    void generalNumberText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(::generalNumberText(value), text);
    }
};

QTEST_APPLESS_MAIN(TestCalculator)
#include "test_calculator.moc"

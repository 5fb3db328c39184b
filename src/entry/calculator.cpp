#include "entry/calculator.h"

#include "entry/number_text.h"

#include <cmath>

namespace {

std::optional<double> numberIn(const QString &text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// The decimal position that continues a plain number text: "12" 0, "12." 1, "1.05" 3.
int decimalsOf(const QString &text) {
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point < 0 || text.contains(QLatin1Char('E'), Qt::CaseInsensitive))
        return 0;
    return int(text.size() - point);
}

} // namespace

Calculator::Outcome Calculator::reset() {
    m_first = m_second = m_result = 0;
    m_slot = 1;
    m_operator = Operator::None;
    m_decimals = 0;
    m_fresh = false;
    return show(0);
}

Calculator::Outcome Calculator::digit(int d) {
    if (m_fresh)
        reset();
    double &x = operand();
    // A digit lengthens the number as it reads, so on a negative result (-2 "." 5) it
    // adds to the magnitude: -2.5, not -1.5.
    const int signedDigit = x < 0 ? -d : d;
    if (m_decimals == 0) {
        x = x * 10 + signedDigit;
    } else {
        // The power in extended precision, so 1 . 0 5 lands on the double nearest 1.05.
        x = double(static_cast<long double>(x) + signedDigit * std::pow(0.1L, m_decimals));
        ++m_decimals;
    }
    return show(x);
}

Calculator::Outcome Calculator::point() {
    if (m_decimals != 0)
        return {std::nullopt, Message::InvalidInput};
    m_decimals = 1;
    m_fresh = false;
    return {};
}

Calculator::Outcome Calculator::operatorKey(Operator op) {
    Outcome outcome;
    // Chaining is decided by the second operand alone: with 0 there the new operator
    // simply replaces the pending one.
    if (m_second != 0)
        outcome = evaluate();
    m_operator = op;
    m_slot = 2;
    m_decimals = 0;
    m_fresh = false;
    m_operandText.reset();
    return outcome;
}

Calculator::Outcome Calculator::equals() {
    if (m_operator == Operator::None)
        return {};
    return evaluate();
}

Calculator::Outcome Calculator::evaluate() {
    Message message = Message::None;
    switch (m_operator) {
    case Operator::Add:
        m_result = m_first + m_second;
        break;
    case Operator::Subtract:
        m_result = m_first - m_second;
        break;
    case Operator::Multiply:
        m_result = m_first * m_second;
        break;
    case Operator::Divide:
        // The previous result stands and the evaluation goes on with it.
        if (m_second == 0)
            message = Message::ZeroDenominator;
        else
            m_result = m_first / m_second;
        break;
    case Operator::None:
        break;
    }
    m_slot = 1;
    m_first = m_result;
    m_second = 0;
    m_decimals = 0;
    m_fresh = true;
    Outcome outcome = show(m_result);
    outcome.message = message;
    return outcome;
}

Calculator::Outcome Calculator::backspace(const QString &amountText) {
    QString text = amountText.size() <= 1 ? QStringLiteral("0") : amountText.chopped(1);
    if (!m_operandText || *m_operandText != amountText) {
        // Typed by hand or not an operand (say the first operand after "+"): only the
        // text changes.
        m_operandText.reset();
        return {text, Message::None};
    }

    // A sign or exponent left dangling is no number: "-2" becomes "0", "1.5E-6" "1.5".
    while (!text.isEmpty() && !text.back().isDigit() && text.back() != QLatin1Char('.'))
        text.chop(1);
    if (text.isEmpty())
        text = QStringLiteral("0");

    // What is left is the operand now, and digits continue it as it reads: "1.0" takes
    // the next digit as its second decimal, "1." as its first.
    operand() = numberIn(text).value_or(0);
    m_decimals = decimalsOf(text);
    m_fresh = false;
    m_operandText = text;
    return {text, Message::None};
}

void Calculator::load(const QString &amountText) {
    const std::optional<double> value = numberIn(amountText);
    m_first = value.value_or(0);
    if (m_slot == 1)
        m_operandText = value ? std::optional<QString>(amountText) : std::nullopt;
}

QString Calculator::messageText(Message message) {
    switch (message) {
    case Message::InvalidInput:
        return QStringLiteral("非法输入!");
    case Message::ZeroDenominator:
        return QStringLiteral("分母不能为零!");
    case Message::None:
        break;
    }
    return {};
}

Calculator::Outcome Calculator::show(double value) {
    const QString text = generalNumberText(value);
    m_operandText = text;
    return {text, Message::None};
}

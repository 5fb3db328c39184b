#pragma once

#include <QString>
#include <optional>

// The entry page's four-function amount calculator, without its buttons. It has no
// display of its own: every key tells the caller what to write into the amount box.
// Evaluation runs strictly left to right with one pending operator, on doubles.
class Calculator {
public:
    enum class Operator { None = 0, Add = 1, Subtract = 2, Multiply = 3, Divide = 4 };
    enum class Message { None, InvalidInput, ZeroDenominator };

    // What a key did: the new text of the amount box (none when it stays as it is) and a
    // message to show before that text is written.
    struct Outcome {
        std::optional<QString> amount;
        Message message = Message::None;
    };

    // Clears every register ("C", Add on the entry page, program start); the box shows "0".
    Outcome reset();
    Outcome digit(int d);
    Outcome point();
    Outcome operatorKey(Operator op);
    // "=": evaluates when an operator is pending. Closing the box is the caller's part.
    Outcome equals();
    // Takes the last character off the amount text. When that text is the operand the
    // calculator last wrote, the operand loses the character as well.
    Outcome backspace(const QString &amountText);
    // Opening or closing the box: the first operand becomes the amount text read as a
    // number, 0 when it is not one.
    void load(const QString &amountText);

    static QString messageText(Message message);

    double first() const { return m_first; }
    double second() const { return m_second; }
    double result() const { return m_result; }
    int slot() const { return m_slot; }
    Operator pendingOperator() const { return m_operator; }
    int decimals() const { return m_decimals; }
    bool fresh() const { return m_fresh; }

private:
    double &operand() { return m_slot == 1 ? m_first : m_second; }
    Outcome evaluate();
    Outcome show(double value);

    double m_first = 0;
    double m_second = 0;
    double m_result = 0;
    int m_slot = 1;                       // which operand the digits feed
    Operator m_operator = Operator::None; // stays pending after an evaluation
    int m_decimals = 0;                   // 0: integer part; n: the next digit is the n-th decimal
    bool m_fresh = false;                 // a result is shown: the next digit starts over
    // The text last written for the operand of the current slot, while the amount box
    // still stands for that operand; Backspace edits the operand only then.
    std::optional<QString> m_operandText = QStringLiteral("0");
};

#include "entry/amount_filter.h"

#include <QLineEdit>
#include <algorithm>

bool amountKeyAccepted(const QString &text, QChar key) {
    const bool backspace = key == QLatin1Char('\b');
    const bool digit = key >= QLatin1Char('0') && key <= QLatin1Char('9');
    const bool point = key == QLatin1Char('.');
    if (!(digit || point || backspace || key == QLatin1Char(' ')))
        return false;
    const qsizetype at = text.indexOf(QLatin1Char('.'));
    if (at < 0)
        return true;
    if (point)
        return false;
    // Two characters after the point: locked until one is taken away.
    if (text.size() == at + 3)
        return backspace;
    return true;
}

bool amountChangeAccepted(const QString &before, const QString &after) {
    // The part of after that is new: what lies between the text kept at either end.
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const QString typed = after.mid(head, after.size() - head - tail);
    // The first character is judged on the text as it was (a selection it replaces
    // included, as for a key), each further one on the text with those before it in.
    QString text = before;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (!amountKeyAccepted(text, typed[i]))
            return false;
        text = before.left(head) + typed.left(i + 1) + before.right(tail);
    }
    return true;
}

AmountValidator::AmountValidator(QLineEdit *field) : QValidator(field), m_before(field->text()) {
    field->setValidator(this);
    connect(field, &QLineEdit::textChanged, this, [this](const QString &text) { m_before = text; });
}

QValidator::State AmountValidator::validate(QString &input, int &) const {
    if (m_programText || amountChangeAccepted(m_before, input))
        return Acceptable;
    return Invalid;
}

void AmountValidator::setProgramText(QLineEdit *field, const QString &text) {
    auto *self = qobject_cast<AmountValidator *>(const_cast<QValidator *>(field->validator()));
    if (self)
        self->m_programText = true;
    field->setText(text);
    if (self)
        self->m_programText = false;
}

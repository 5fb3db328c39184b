#pragma once

#include <QChar>
#include <QString>
#include <QValidator>

class QLineEdit;

// Whether a key typed into the entry page's amount field goes in, judged on the text
// before the key (wherever the caret is): digits, one point, blank and backspace only,
// and nothing but backspace once two decimals follow the point. The backspace key is
// '\b'. Values the calculator writes do not pass through here.
bool amountKeyAccepted(const QString &text, QChar key);

// The same rule for any change of the field's text: the characters that came in are
// judged one by one as keys typed in turn (so a paste is filtered like typing), and
// taking characters away is always allowed.
bool amountChangeAccepted(const QString &before, const QString &after);

// Holds the amount field to amountChangeAccepted(), whatever brings the text in: keys,
// pasting, dropping, an input method.
class AmountValidator : public QValidator {
    Q_OBJECT
public:
    // Becomes the field's validator.
    explicit AmountValidator(QLineEdit *field);

    State validate(QString &input, int &pos) const override;

    // Puts a value of the program's own into the field (the calculator's result, an
    // entry loaded for editing), which the typing rule does not judge.
    static void setProgramText(QLineEdit *field, const QString &text);

private:
    QString m_before; // the field's text before the change being judged
    bool m_programText = false;
};

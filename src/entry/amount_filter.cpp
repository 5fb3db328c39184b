#include "entry/amount_filter.h"

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

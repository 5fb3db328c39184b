#include "entry/number_text.h"

#include <cmath>

namespace {
constexpr int Precision = 15;
}

QString generalNumberText(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0) // also -0, which is no amount of its own
        return QStringLiteral("0");

    // Round to 15 significant digits first: the rounded exponent decides the form, so
    // 999999999999999.9 becomes 1E15 rather than a 16-digit integer.
    // QString::number ignores the C library's locale, so the point is always a point.
    const QString rounded = QString::number(std::fabs(value), 'e', Precision - 1);
    const qsizetype e = rounded.indexOf(QLatin1Char('e'));
    const int exponent = rounded.mid(e + 1).toInt();
    QString digits = rounded.left(e);
    digits.remove(QLatin1Char('.'));
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);

    QString text = value < 0 ? QStringLiteral("-") : QString();
    if (exponent >= Precision || exponent < -5) {
        text += digits.left(1);
        if (digits.size() > 1)
            text += QLatin1Char('.') + digits.mid(1);
        text += QLatin1Char('E') + QString::number(exponent);
    } else if (exponent < 0) {
        text += QStringLiteral("0.") + QString(-exponent - 1, QLatin1Char('0')) + digits;
    } else if (digits.size() <= exponent + 1) {
        text += digits + QString(exponent + 1 - digits.size(), QLatin1Char('0'));
    } else {
        text += digits.left(exponent + 1) + QLatin1Char('.') + digits.mid(exponent + 1);
    }
    return text;
}

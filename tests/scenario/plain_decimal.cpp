#include "plain_decimal.h"

#include <cmath>

QString plainDecimal(double value) {
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == 0)
        return QStringLiteral("0");
    const int exponent = int(std::floor(std::log10(std::fabs(value))));
    QString text = QString::number(value, 'f', std::max(0, 14 - exponent));
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

bool sameDecimal(const QString &expected, double value) {
    bool ok = false;
    const double wanted = expected.toDouble(&ok);
    if (!ok)
        return expected == plainDecimal(value);
    return plainDecimal(wanted) == plainDecimal(value);
}

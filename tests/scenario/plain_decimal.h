#pragma once

#include <QString>

// A number as plain decimal text: at most 15 significant digits, no exponent, no
// trailing zeros ("12.5", "-3", "0.0001", "1234567"). Charts and spin boxes are
// compared in this form so 12.50 and 12.5 count as the same value.
QString plainDecimal(double value);

// True when text is a number whose plain decimal form is that of value; otherwise
// compares the texts as they are.
bool sameDecimal(const QString &expected, double value);

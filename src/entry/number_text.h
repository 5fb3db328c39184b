#pragma once

#include <QString>

// A number as the calculator and the home page show it: up to 15 significant digits,
// no grouping, no trailing zeros, a point as decimal separator ("3.33333333333333",
// "-2", "0.5"). Beyond 15 integer digits or below 0.00001 it turns scientific:
// "1E15", "1.5E-6". Infinities and NaN come out as "INF", "-INF" and "NAN".
QString generalNumberText(double value);

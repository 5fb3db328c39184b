#pragma once

#include "store/money.h"

#include <QDateTime>
#include <QString>
#include <optional>

// Reading the single values of a bill: texts, amounts and times as the files write them.
namespace BillFields {

// Trimmed of blanks and tabs (Alipay pads values and puts a tab after order numbers);
// a lone "/" is WeChat's empty value and gives "".
QString text(const QString &raw);

// An amount as bills write it: "25.00", "¥25.00", "￥1,234.50", "-8", "12.5元". Grouping
// commas, blanks, the yuan signs and a trailing 元 are dropped; the rest must be a plain
// decimal (Money::parseTyped: at most one hundred billion). Nothing when it is not one; *error then
// says why.
std::optional<Money> amount(const QString &raw, QString *error = nullptr);

// A time as bills and statements write it: "2024-03-05 12:30:00", "2024/3/5 12:30",
// "2024-03-05", "20240305", "2024.03.05", "2024年3月5日 12:30:00", or a workbook's day
// number ("45356.5" is 2024-03-05 12:00). Local time. Invalid when it is none of those.
QDateTime dateTime(const QString &raw);

// A workbook's day number: days since 1899-12-30, the fraction the time of day.
QDateTime fromExcelSerial(double serial);

} // namespace BillFields

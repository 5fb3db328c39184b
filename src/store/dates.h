#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

// The one text form the database keeps dates in: "YYYY-MM-DD HH:MM:SS".
// A day is that text with the time 00:00:00.
namespace Dates {

QString canonical(const QDate &day);
QString canonical(const QDateTime &moment);
// Reads the canonical form back; anything else gives nothing.
std::optional<QDateTime> parse(const QString &text);

// "YYYY-MM-DD", with " HH:MM:SS" only when the time is not midnight.
QString display(const QDateTime &moment);
QString display(const QString &canonicalText);

QDate firstOfMonth(const QDate &day);
QDate lastOfMonth(const QDate &day);
QDate firstOfNextMonth(const QDate &day);
// The first day of the month before; January gives December of the year before.
QDate firstOfPreviousMonth(const QDate &day);

} // namespace Dates

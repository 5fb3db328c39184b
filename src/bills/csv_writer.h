#pragma once

#include "store/money.h"

#include <QDate>
#include <QIODevice>
#include <QString>
#include <QStringList>

// Writes CSV the way spreadsheet programs open it without asking: UTF-8 with a byte
// order mark, CRLF line ends, a field quoted (quotes doubled) only when it holds a
// comma, a quote or a line break.
class CsvWriter {
public:
    explicit CsvWriter(QIODevice *device) : m_device(device) {}

    // The first row written is the heading; the byte order mark goes before it.
    void writeRow(const QStringList &fields);
    // False once any write failed (a full disk, a closed device).
    bool ok() const { return m_ok; }

    static QString field(const QString &text);
    // "1234.5", "-2": plain decimals a spreadsheet reads as numbers.
    static QString amount(Money money) { return money.toPlain(); }
    // "2024-03-05".
    static QString date(const QDate &day) { return day.toString(Qt::ISODate); }

private:
    QIODevice *m_device;
    bool m_started = false;
    bool m_ok = true;
};

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// One record of a table: its fields as written (not trimmed) and the line it starts on,
// counted from 1. Rows read from a workbook use the same type with the sheet row number.
struct CsvRecord {
    QStringList fields;
    int line = 0;
};

// Splits comma-separated text into records (RFC 4180): fields may be quoted, a doubled
// quote inside quotes is one quote, and commas and line breaks (kept as LF) inside quotes
// belong to the field. A quote further into an unquoted field is an ordinary character.
// Lines end in CRLF, LF or a lone CR. An empty line gives no record. A quote left open
// runs to the end of the text rather than losing what follows.
QList<CsvRecord> parseCsv(QStringView text);

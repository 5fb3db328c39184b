#pragma once

#include "bills/csv_tokenizer.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct SheetReadResult {
    QList<CsvRecord> rows; // cells as texts, gaps filled with ""; line is the sheet row number
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// The first worksheet of an .xlsx workbook, as texts: shared and inline strings as
// written, numbers as the digits stored (a date cell gives its day number), booleans as
// "1" or "0". Formats and formulas are not evaluated; a formula's stored result is read.
SheetReadResult readFirstSheet(const QByteArray &bytes);

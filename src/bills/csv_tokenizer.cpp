#include "bills/csv_tokenizer.h"

QList<CsvRecord> parseCsv(QStringView text) {
    QList<CsvRecord> records;
    CsvRecord record;
    QString field;
    bool quoted = false;     // inside a quoted stretch
    bool fieldBegun = false; // a quote opens quoting only as a field's first character
    bool recordOpen = false; // something was read since the last line end
    int line = 1;

    auto endField = [&] {
        // A copy of its own, so the buffer stays with `field` and is reused for the next
        // one instead of growing again from nothing, character by character.
        record.fields.append(QString(field.constData(), field.size()));
        field.truncate(0);
        fieldBegun = false;
    };
    auto endRecord = [&] {
        if (recordOpen) {
            endField();
            records.append(record);
        }
        record = CsvRecord();
        recordOpen = false;
    };

    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        const bool lineEnd = c == u'\n' || c == u'\r';
        if (lineEnd && c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i; // CRLF is one line end, inside quotes too
        if (!recordOpen) {
            if (lineEnd) {
                ++line;
                continue;
            }
            record.line = line;
            recordOpen = true;
        }
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < size && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else if (lineEnd) {
                field += u'\n';
                ++line;
            } else {
                field += c;
            }
        } else if (c == u'"' && !fieldBegun) {
            quoted = true;
            fieldBegun = true;
        } else if (c == u',') {
            endField();
        } else if (lineEnd) {
            endRecord();
            ++line;
        } else {
            field += c;
            fieldBegun = true;
        }
    }
    endRecord();
    return records;
}

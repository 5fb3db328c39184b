#include "bills/csv_writer.h"

namespace {

bool needsQuotes(QStringView text) {
    for (const QChar c : text) {
        if (c == u',' || c == u'"' || c == u'\n' || c == u'\r')
            return true;
    }
    return false;
}

void appendField(QString &line, const QString &text) {
    if (!needsQuotes(text)) {
        line += text;
        return;
    }
    line += u'"';
    for (const QChar c : text) {
        if (c == u'"')
            line += u'"';
        line += c;
    }
    line += u'"';
}

} // namespace

QString CsvWriter::field(const QString &text) {
    QString quoted;
    appendField(quoted, text);
    return quoted;
}

void CsvWriter::writeRow(const QStringList &fields) {
    // One line built in place: an export of every entry writes a million of them.
    QString line;
    line.reserve(128);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += u',';
        appendField(line, fields[i]);
    }
    line += QLatin1String("\r\n");
    QByteArray bytes = line.toUtf8();
    if (!m_started) {
        bytes.prepend(QByteArrayLiteral("\xEF\xBB\xBF"));
        m_started = true;
    }
    if (m_device->write(bytes) != bytes.size())
        m_ok = false;
}

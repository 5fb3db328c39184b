#include "bills/csv_writer.h"

QString CsvWriter::field(const QString &text) {
    const bool quote =
        text.contains(u',') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r');
    if (!quote)
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

void CsvWriter::writeRow(const QStringList &fields) {
    QByteArray bytes;
    if (!m_started) {
        bytes = QByteArrayLiteral("\xEF\xBB\xBF");
        m_started = true;
    }
    QStringList line;
    line.reserve(fields.size());
    for (const QString &text : fields)
        line.append(field(text));
    bytes += line.join(u',').toUtf8() + QByteArrayLiteral("\r\n");
    if (m_device->write(bytes) != bytes.size())
        m_ok = false;
}

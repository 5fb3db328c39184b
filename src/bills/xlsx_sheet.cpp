#include "bills/xlsx_sheet.h"

#include <QBuffer>
#include <QXmlStreamReader>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

namespace {

// Bills are small; a part larger than this is a damaged or hostile file, not a bill.
constexpr qint64 MaxPartSize = 64 * 1024 * 1024;
constexpr int MaxColumns = 16384; // the widest sheet a workbook allows
// Cells kept, gaps included: a bill has a dozen columns, so this is far beyond any real
// one, and it stops a sheet of far-apart cells from filling memory with blanks.
constexpr qsizetype MaxCells = 4 * 1024 * 1024;

// One part of the package, or nothing when it is missing or too large.
std::optional<QByteArray> readPart(QuaZip &zip, const QString &name) {
    if (!zip.setCurrentFile(name, QuaZip::csInsensitive))
        return std::nullopt;
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.read(MaxPartSize + 1);
    if (data.size() > MaxPartSize || file.getZipError() != 0)
        return std::nullopt;
    return data;
}

// The text of the element the reader stands on: its <t> elements, without the phonetic
// runs (<rPh>) some workbooks add to Chinese strings.
QString richText(QXmlStreamReader &xml) {
    QString text;
    const QString end = xml.name().toString();
    int phonetic = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"rPh")
                ++phonetic;
            else if (xml.name() == u"t" && phonetic == 0)
                text += xml.readElementText();
        } else if (xml.isEndElement()) {
            if (xml.name() == u"rPh")
                --phonetic;
            else if (xml.name() == end)
                break;
        }
    }
    return text;
}

QStringList sharedStrings(const QByteArray &xmlText) {
    QStringList strings;
    QXmlStreamReader xml(xmlText);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"si")
            strings.append(richText(xml));
    }
    return strings;
}

// "C12" gives column 2 (counted from 0); -1 when the reference has no letters or too many.
int columnOf(QStringView reference) {
    int column = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference[i].isUpper() && reference[i].unicode() < 128; ++i) {
        column = column * 26 + (reference[i].unicode() - 'A' + 1);
        if (column > MaxColumns)
            return -1;
    }
    return i == 0 ? -1 : column - 1;
}

// The first sheet's part name, as the workbook and its relationships give it.
QString firstSheetPath(QuaZip &zip) {
    const QString fallback = QStringLiteral("xl/worksheets/sheet1.xml");
    const std::optional<QByteArray> workbook = readPart(zip, QStringLiteral("xl/workbook.xml"));
    const std::optional<QByteArray> relations =
        readPart(zip, QStringLiteral("xl/_rels/workbook.xml.rels"));
    if (!workbook || !relations)
        return fallback;

    QString id;
    QXmlStreamReader book(*workbook);
    while (!book.atEnd() && id.isEmpty()) {
        if (book.readNext() == QXmlStreamReader::StartElement && book.name() == u"sheet") {
            for (const QXmlStreamAttribute &attribute : book.attributes()) {
                if (attribute.name() == u"id") // r:id, whatever the prefix
                    id = attribute.value().toString();
            }
        }
    }
    QXmlStreamReader rels(*relations);
    while (!rels.atEnd() && !id.isEmpty()) {
        if (rels.readNext() == QXmlStreamReader::StartElement && rels.name() == u"Relationship" &&
            rels.attributes().value(QLatin1String("Id")) == id) {
            const QString target = rels.attributes().value(QLatin1String("Target")).toString();
            return target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
        }
    }
    return fallback;
}

struct Cell {
    int column = -1;
    QString type;
    QString value;
    QString inlineText;
};

QString cellText(const Cell &cell, const QStringList &strings) {
    if (cell.type == u"s") {
        bool ok = false;
        const qsizetype index = cell.value.toLongLong(&ok);
        return ok && index >= 0 && index < strings.size() ? strings[index] : QString();
    }
    if (cell.type == u"inlineStr")
        return cell.inlineText;
    return cell.value;
}

} // namespace

SheetReadResult readFirstSheet(const QByteArray &bytes) {
    SheetReadResult result;
    QBuffer buffer;
    buffer.setData(bytes);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdUnzip)) {
        result.error = QStringLiteral("不是可读的 xlsx 工作簿");
        return result;
    }
    const QString sheetPath = firstSheetPath(zip);
    const std::optional<QByteArray> sheet = readPart(zip, sheetPath);
    if (!sheet) {
        result.error = QStringLiteral("工作簿中找不到工作表 %1").arg(sheetPath);
        return result;
    }
    const std::optional<QByteArray> shared = readPart(zip, QStringLiteral("xl/sharedStrings.xml"));
    const QStringList strings = shared ? sharedStrings(*shared) : QStringList();

    QXmlStreamReader xml(*sheet);
    CsvRecord row;
    Cell cell;
    qsizetype cells = 0;
    while (!xml.atEnd() && cells <= MaxCells) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"row") {
                const int number = xml.attributes().value(QLatin1String("r")).toInt();
                row = CsvRecord();
                row.line =
                    number > 0 ? number : (result.rows.isEmpty() ? 1 : result.rows.last().line + 1);
            } else if (xml.name() == u"c") {
                cell = Cell();
                const auto reference = xml.attributes().value(QLatin1String("r"));
                cell.column = reference.isEmpty() ? int(row.fields.size()) : columnOf(reference);
                cell.type = xml.attributes().value(QLatin1String("t")).toString();
            } else if (xml.name() == u"v") {
                cell.value = xml.readElementText();
            } else if (xml.name() == u"is") {
                cell.inlineText = richText(xml);
            }
        } else if (xml.isEndElement()) {
            if (xml.name() == u"c" && cell.column >= 0) {
                while (row.fields.size() <= cell.column)
                    row.fields.append(QString());
                row.fields[cell.column] = cellText(cell, strings);
            } else if (xml.name() == u"row") {
                cells += row.fields.size();
                result.rows.append(row);
            }
        }
    }
    if (xml.hasError()) {
        result.rows.clear();
        result.error = QStringLiteral("工作表无法读取：%1").arg(xml.errorString());
    } else if (cells > MaxCells) {
        result.rows.clear();
        result.error = QStringLiteral("工作表过大，不像是账单");
    }
    return result;
}

#include "printout/table_printout.h"

#include "printout/printable_table.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr double MillimetresPerInch = 25.4;
// Thin lines, in printout units: about 0.13 mm on paper.
constexpr double LineWidth = 0.5;

// Fonts chosen in points are turned into pixels once, so the layout and every device
// measure them alike.
QFont inPixels(QFont font) {
    if (font.pixelSize() <= 0)
        font.setPixelSize(std::max(1, int(std::lround(font.pointSizeF() * 96 / 72))));
    return font;
}

double lineHeight(const QFont &font) {
    return std::ceil(QFontMetricsF(font).height());
}

QRectF textLine(double top, double width, const QFont &font) {
    return QRectF(0, top, width, lineHeight(font));
}

} // namespace

QString printDateText(const QDate &day) {
    return QStringLiteral("打印日期：") + day.toString(QStringLiteral("yyyy-MM-dd"));
}

TablePrintout::TablePrintout(const PrintableTable &table, const PrintSettings &settings,
                             const PrintTexts &texts)
    : m_table(table), m_settings(settings), m_texts(texts),
      m_font(inPixels(settings.font.value_or(table.font()))) {
    for (int c = 0; c < table.columnCount(); ++c)
        m_widths << (settings.optimalWidths ? optimalWidth(c) : table.width(c));

    const double perMillimetre = Units / MillimetresPerInch;
    const QSizeF paper = settings.paper.orientedMillimetres();
    m_parts.paper = QSizeF(paper.width() * perMillimetre, paper.height() * perMillimetre);
    const QMarginsF &m = settings.margins;
    m_parts.margins = QMarginsF(m.left() * perMillimetre, m.top() * perMillimetre,
                                m.right() * perMillimetre, m.bottom() * perMillimetre);
    m_parts.header = lineHeight(PrintSettings::headerFont()) + 10;
    m_parts.title = lineHeight(PrintSettings::headerFont()) + 6;
    m_parts.footer = lineHeight(PrintSettings::footerFont()) + 10;
    m_parts.row = lineHeight(m_font) + 6;
    m_parts.heading = m_parts.row;

    GridShape grid{m_widths, settings.fitToWidth, settings.fitMode};
    m_layout = PageLayout(m_parts, grid, table.rowCount());
}

double TablePrintout::optimalWidth(int column) const {
    const QFontMetricsF metrics(m_font);
    double widest = metrics.horizontalAdvance(m_table.heading(column));
    for (const QString &text : m_table.widestTexts(column))
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return std::ceil(widest + 2 * CellPadding + 2);
}

QString TablePrintout::pageNumberText(int page) const {
    return QStringLiteral("第 %1 页 / 共 %2 页").arg(page).arg(pageCount());
}

void TablePrintout::paintPage(QPainter &painter, int page) const {
    const QPaintDevice *device = painter.device();
    painter.save();
    if (device)
        painter.scale(device->logicalDpiX() / Units, device->logicalDpiY() / Units);
    drawPage(painter, page);
    painter.restore();
}

void TablePrintout::drawPage(QPainter &painter, int number) const {
    number = std::clamp(number, 1, pageCount());
    const PageLayout::Page page = m_layout.page(number);
    const double width = m_layout.printableWidth();
    painter.save();
    painter.translate(m_parts.margins.left(), m_parts.margins.top());
    painter.setPen(Qt::black);

    const QFont header = PrintSettings::headerFont();
    const QFontMetricsF headerMetrics(header);
    painter.setFont(header);
    painter.drawText(textLine(0, width, header), Qt::AlignHCenter | Qt::AlignTop,
                     headerMetrics.elidedText(m_texts.header, Qt::ElideRight, width));
    if (page.title)
        painter.drawText(textLine(m_parts.header, width, header), Qt::AlignLeft | Qt::AlignTop,
                         headerMetrics.elidedText(m_texts.title, Qt::ElideRight, width));

    drawGrid(painter, page);

    const QFont footer = PrintSettings::footerFont();
    painter.setFont(footer);
    painter.setPen(Qt::black);
    const QRectF line = textLine(m_layout.printableHeight() - lineHeight(footer), width, footer);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignBottom, printDateText(m_texts.printed));
    painter.drawText(line, Qt::AlignRight | Qt::AlignBottom, pageNumberText(number));
    painter.restore();
}

void TablePrintout::drawGrid(QPainter &painter, const PageLayout::Page &page) const {
    if (m_layout.bands().isEmpty() || m_table.columnCount() == 0)
        return;
    const PageLayout::Band band = m_layout.bands().at(page.band);
    const QList<double> &widths = m_layout.widths();
    const double scale = m_layout.scale();
    const double rowHeight = m_parts.row;
    const double headingHeight = m_parts.heading;

    QList<double> edges{0}; // left edge of each column of the band, then the right end
    for (int c = band.firstColumn; c < band.firstColumn + band.columns; ++c)
        edges << edges.last() + widths.at(c);
    const double right = edges.last();

    painter.save();
    painter.translate(0, m_layout.gridTop(page));
    painter.scale(scale, scale);
    if (m_settings.colour)
        painter.fillRect(QRectF(0, 0, right, headingHeight), headingFill());

    painter.setFont(m_font);
    painter.setPen(Qt::black);
    for (int i = 0; i < band.columns; ++i) {
        const int column = band.firstColumn + i;
        const QRectF cell(edges[i], 0, widths.at(column), headingHeight);
        drawCell(painter, cell, m_table.heading(column), Qt::AlignHCenter);
    }
    for (int r = 0; r < page.rows; ++r) {
        const double top = headingHeight + r * rowHeight;
        for (int i = 0; i < band.columns; ++i) {
            const int column = band.firstColumn + i;
            const QRectF cell(edges[i], top, widths.at(column), rowHeight);
            drawCell(painter, cell, m_table.text(page.firstRow + r, column),
                     m_table.alignRight(column) ? Qt::AlignRight : Qt::AlignLeft);
        }
    }

    QPen pen(m_settings.colour ? lineColour() : QColor(Qt::black));
    pen.setWidthF(LineWidth / scale);
    painter.setPen(pen);
    const double rowsBottom = headingHeight + page.rows * rowHeight;
    // Extended lines run the columns down to the foot of the grid's area.
    const double linesBottom =
        m_settings.extendLines
            ? std::max(rowsBottom, (m_layout.gridBottom() - m_layout.gridTop(page)) / scale)
            : rowsBottom;
    painter.drawLine(QPointF(0, 0), QPointF(right, 0));
    for (int r = 0; r <= page.rows; ++r) {
        const double y = headingHeight + r * rowHeight;
        painter.drawLine(QPointF(0, y), QPointF(right, y));
    }
    if (linesBottom > rowsBottom)
        painter.drawLine(QPointF(0, linesBottom), QPointF(right, linesBottom));
    for (const double x : edges)
        painter.drawLine(QPointF(x, 0), QPointF(x, linesBottom));
    painter.restore();
}

void TablePrintout::drawCell(QPainter &painter, const QRectF &cell, const QString &text,
                             int alignment) const {
    const QRectF inner = cell.adjusted(CellPadding, 0, -CellPadding, 0);
    const QString shown =
        QFontMetricsF(m_font).elidedText(text, Qt::ElideRight, std::max(0.0, inner.width()));
    painter.drawText(inner, alignment | Qt::AlignVCenter, shown);
}

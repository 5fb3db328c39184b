#pragma once

#include "core/printing.h"
#include "printout/page_layout.h"
#include "printout/print_settings.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QList>
#include <QString>

class PrintableTable;
class QPainter;
class QRectF;

// The words on a printout besides the grid.
struct PrintTexts {
    QString name;   // the job's name
    QString header; // the page header, on every page
    QString title;  // the line above the grid
    QDate printed;  // the print date in the page footer
};

// A grid on paper: the page header, the line above the grid on the first pages, the
// column headings on every page, the rows, and the page footer with the print date and
// "第 N 页 / 共 M 页". The layout is worked out once from the fonts and the row count;
// rows are read only for the page being drawn.
class TablePrintout : public PrintJob {
public:
    static constexpr double Units = 96; // printout units per inch
    static constexpr double CellPadding = 3;

    TablePrintout(const PrintableTable &table, const PrintSettings &settings,
                  const PrintTexts &texts);

    QString name() const override { return m_texts.name; }
    Paper paper() const override { return m_settings.paper; }
    int pageCount() const override { return m_layout.pageCount(); }
    void paintPage(QPainter &painter, int page) const override;

    // Draws page (1-based) in printout units with the origin at the paper's corner.
    void drawPage(QPainter &painter, int page) const;
    // The paper as it lies, in printout units.
    QSizeF pageSize() const { return m_parts.paper; }
    const PageLayout &layout() const { return m_layout; }
    const PrintSettings &settings() const { return m_settings; }
    // The grid's font on paper: the one chosen, else the grid's own.
    const QFont &font() const { return m_font; }
    // The column widths before fitting (the optimal ones when asked for).
    const QList<double> &columnWidths() const { return m_widths; }
    // "第 N 页 / 共 M 页"
    QString pageNumberText(int page) const;

    static QColor headingFill() { return QColor(212, 208, 200); }
    static QColor lineColour() { return QColor(128, 128, 128); }

private:
    double optimalWidth(int column) const;
    void drawGrid(QPainter &painter, const PageLayout::Page &page) const;
    void drawCell(QPainter &painter, const QRectF &cell, const QString &text, int alignment) const;

    const PrintableTable &m_table;
    PrintSettings m_settings;
    PrintTexts m_texts;
    QFont m_font;
    QList<double> m_widths;
    PrintedParts m_parts;
    PageLayout m_layout;
};

// The print date, "打印日期：YYYY-MM-DD".
QString printDateText(const QDate &day);

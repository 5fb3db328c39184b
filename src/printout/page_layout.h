#pragma once

#include <QList>
#include <QMarginsF>
#include <QSizeF>

// How a grid wider or narrower than the page is brought to the page width.
enum class FitMode {
    ScaleGrid,    // the whole grid, text and rows included, is scaled
    ChangeWidths, // the columns are widened or narrowed; text and rows keep their size
};

// The parts of a printed page, in the printout's units (1/96 inch, a screen pixel).
struct PrintedParts {
    QSizeF paper;       // as the sheet lies
    QMarginsF margins;  // left, top, right, bottom
    double header = 0;  // the page header, on every page
    double title = 0;   // the text above the grid, on the pages of the first rows
    double footer = 0;  // the page footer, on every page
    double heading = 0; // the grid's heading row, repeated on every page
    double row = 0;     // one grid row
};

// The grid to lay out: its columns' widths as shown, and whether it is fitted to the
// page width.
struct GridShape {
    QList<double> widths;
    bool fitToWidth = false;
    FitMode fitMode = FitMode::ScaleGrid;
};

// Where every row and column of a grid lands on the pages: plain arithmetic on the
// heights and widths, so the page count of any number of rows is known at once and a
// page is drawn only when it is shown.
//
// Rows are never cut across pages. Columns that do not fit the page width go on to
// further pages (a band of columns each); the pages of one block of rows come one after
// the other, band by band.
class PageLayout {
public:
    struct Band {
        int firstColumn = 0;
        int columns = 0;
    };
    struct Page {
        int band = 0;
        int firstRow = 0;
        int rows = 0;
        bool title = false; // the text above the grid is on this page
    };

    PageLayout() = default;
    PageLayout(const PrintedParts &parts, const GridShape &grid, int rowCount);

    int pageCount() const { return m_rowBlocks * int(m_bands.size()); }
    // Page number (1-based) of the layout, clamped to the pages there are.
    Page page(int number) const;

    // The printed grid is drawn scaled by this (fitting by ScaleGrid), else 1.
    double scale() const { return m_scale; }
    // The columns' widths before scaling (changed when fitting by ChangeWidths).
    const QList<double> &widths() const { return m_widths; }
    const QList<Band> &bands() const { return m_bands; }
    int rowsOnFirstPage() const { return m_rowsFirst; }
    int rowsPerPage() const { return m_rowsOther; }

    // The area inside the margins.
    double printableWidth() const { return m_width; }
    double printableHeight() const { return m_height; }
    // Top of the grid's heading row, measured from the top margin.
    double gridTop(const Page &page) const;
    // Bottom of the area the grid may fill, measured from the top margin.
    double gridBottom() const;

private:
    PrintedParts m_parts;
    QList<double> m_widths;
    QList<Band> m_bands;
    double m_scale = 1;
    double m_width = 0;
    double m_height = 0;
    int m_rowCount = 0;
    int m_rowsFirst = 1;
    int m_rowsOther = 1;
    int m_rowBlocks = 1;
};

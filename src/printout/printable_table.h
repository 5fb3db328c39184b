#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// A grid as a printout reads it: its visible columns in the order shown, and the text
// of a cell as shown. Rows are asked for a page at a time.
class PrintableTable {
public:
    virtual ~PrintableTable() = default;
    // The font the grid shows its text in.
    virtual QFont font() const = 0;
    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    virtual QString heading(int column) const = 0;
    // The column's width on screen, in pixels.
    virtual double width(int column) const = 0;
    virtual bool alignRight(int column) const = 0;
    virtual QString text(int row, int column) const = 0;
    // Texts at least as wide as any text of the column, for the optimal column widths.
    virtual QStringList widestTexts(int column) const = 0;
};

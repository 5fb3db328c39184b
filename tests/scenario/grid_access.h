#pragma once

#include <QModelIndex>
#include <QRect>
#include <QString>
#include <QStringList>

class DataGrid;
class QTableView;
class QWidget;

// Reads a grid as the user sees it, by data row and visible column (both 0-based
// here): the program's DataGrid through its own accessors, or a plain QTableView.
class GridAccess {
public:
    // Throws StepFailure when w is not a grid.
    explicit GridAccess(QWidget *w);
    static bool isGrid(const QWidget *w);

    int rows() const;
    QStringList headings() const;
    // A scenario's COLUMN word: a visible heading, else a 1-based visible column number.
    // Throws StepFailure when neither.
    int column(const QString &word) const;
    // A scenario's ROW word (1-based); throws StepFailure outside the data rows.
    int row(const QString &word) const;

    QString cellText(int row, int column) const;
    // Throws StepFailure for a grid without a footer.
    QString footerText(int column) const;
    QModelIndex index(int row, int column) const;

    QTableView *view() const { return m_view; }
    // Scrolls the cell into view and gives its rectangle in viewport coordinates.
    QRect showCell(int row, int column) const;

private:
    int logicalColumn(int column) const;

    DataGrid *m_grid = nullptr;
    QTableView *m_view = nullptr;
};

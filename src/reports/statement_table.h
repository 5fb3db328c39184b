#pragma once

#include "printout/printable_table.h"

#include <QList>

class DataGrid;
class StatementModel;

// The statement list as the printout reads it: the grid's visible columns in the order
// and widths shown, its cell texts, and the widest values the statement holds.
class StatementTable : public PrintableTable {
public:
    StatementTable(const DataGrid &grid, const StatementModel &model);

    QFont font() const override;
    int rowCount() const override;
    int columnCount() const override { return int(m_columns.size()); }
    QString heading(int column) const override;
    double width(int column) const override;
    bool alignRight(int column) const override;
    QString text(int row, int column) const override;
    QStringList widestTexts(int column) const override;

private:
    const DataGrid &m_grid;
    const StatementModel &m_model;
    QList<int> m_columns; // model column of each visible column
};

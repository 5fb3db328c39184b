#include "reports/statement_table.h"

#include "ledger/statement_model.h"
#include "widgets/data_grid.h"

#include <QTableView>

StatementTable::StatementTable(const DataGrid &grid, const StatementModel &model)
    : m_grid(grid), m_model(model) {
    for (int v = 0;; ++v) {
        const int column = grid.logicalColumn(v);
        if (column < 0)
            break;
        m_columns << column;
    }
}

QFont StatementTable::font() const {
    return m_grid.view()->font();
}

int StatementTable::rowCount() const {
    return m_model.rowCount();
}

QString StatementTable::heading(int column) const {
    return m_model.headerData(m_columns.at(column), Qt::Horizontal).toString();
}

double StatementTable::width(int column) const {
    return m_grid.view()->columnWidth(m_columns.at(column));
}

bool StatementTable::alignRight(int column) const {
    return m_grid.alignsRight(m_columns.at(column));
}

QString StatementTable::text(int row, int column) const {
    return m_grid.displayText(m_model.index(row, m_columns.at(column)));
}

QStringList StatementTable::widestTexts(int column) const {
    QStringList texts;
    const int at = m_columns.at(column);
    for (const QVariant &value : m_model.widestValues(at))
        texts << m_grid.formattedValue(at, value);
    return texts;
}

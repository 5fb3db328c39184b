#pragma once

#include "ledger/budget_queries.h"

#include <QAbstractTableModel>

// The month comparison as a read-only table: 项目名称, 本月消费总额, 预算消费金额, 备注.
// Amounts are raw ten-thousandths for the grid to format; a missing amount is NULL.
class BudgetComparisonModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Category, Spent, Budget, Remark, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<BudgetComparisonRow> rows);
    void clear() { setRows({}); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<BudgetComparisonRow> m_rows;
};

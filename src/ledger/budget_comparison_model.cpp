#include "ledger/budget_comparison_model.h"

namespace {

QVariant raw(const std::optional<Money> &amount) {
    return amount ? QVariant(qlonglong(amount->raw())) : QVariant();
}

} // namespace

void BudgetComparisonModel::setRows(std::vector<BudgetComparisonRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int BudgetComparisonModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int BudgetComparisonModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BudgetComparisonModel::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const BudgetComparisonRow &row = m_rows[size_t(index.row())];
    switch (index.column()) {
    case Category:
        return row.category;
    case Spent:
        return raw(row.spent);
    case Budget:
        return raw(row.budget);
    case Remark:
        return row.remark;
    default:
        return {};
    }
}

QVariant BudgetComparisonModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    switch (section) {
    case Category:
        return QStringLiteral("项目名称");
    case Spent:
        return QStringLiteral("本月消费总额");
    case Budget:
        return QStringLiteral("预算消费金额");
    case Remark:
        return QStringLiteral("备注");
    default:
        return {};
    }
}

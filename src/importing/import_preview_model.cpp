#include "importing/import_preview_model.h"

#include "ledger/field_role.h"

#include <QColor>

namespace {

const char *const Headings[] = {"导入", "行",   "日期", "收支",     "金额",
                                "备注", "项目", "账户", "收付款人", "状态"};

} // namespace

ImportPreviewModel::ImportPreviewModel(QObject *parent) : QAbstractTableModel(parent) {}

void ImportPreviewModel::setPlan(ImportPlan *plan) {
    beginResetModel();
    m_plan = plan;
    endResetModel();
}

void ImportPreviewModel::setTargetNames(const QString &account, const QString &member) {
    m_account = account;
    m_member = member;
    if (rowCount() > 0)
        emit dataChanged(index(0, Account), index(rowCount() - 1, Member));
}

void ImportPreviewModel::refreshRow(int row) {
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void ImportPreviewModel::refreshAll() {
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int ImportPreviewModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() || !m_plan ? 0 : int(m_plan->rows().size());
}

int ImportPreviewModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(std::size(Headings));
}

QVariant ImportPreviewModel::display(const ImportRow &row, int column) const {
    const BillRow &bill = row.bill;
    const bool refused = row.state == ImportState::Refused;
    switch (Column(column)) {
    case Include:
        return QString();
    case Line:
        return bill.line;
    case Day:
        return refused ? QVariant() : QVariant(bill.time.date());
    case Kind:
        return refused ? QString() : billKindText(bill.kind);
    case Amount:
        return refused ? QVariant() : QVariant(qlonglong(bill.amount.raw()));
    case Remark:
        return ImportPlan::remarkFor(bill);
    case Category: {
        const ImportBooks::Category *c =
            row.categoryId ? m_plan->category(*row.categoryId) : nullptr;
        return c ? c->name : QString();
    }
    case Account:
        return row.included ? m_account : QString();
    case Member:
        return row.included ? m_member : QString();
    case State:
        if (row.reason.isEmpty())
            return importStateText(row.state);
        // A repeat within the file says so itself ("与第18行重复").
        return row.state == ImportState::Imported
                   ? row.reason
                   : importStateText(row.state) + QStringLiteral("：") + row.reason;
    }
    return {};
}

QVariant ImportPreviewModel::data(const QModelIndex &index, int role) const {
    if (!m_plan || !index.isValid() || index.row() >= rowCount())
        return {};
    const ImportRow &row = m_plan->row(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return display(row, index.column());
    case Qt::CheckStateRole:
        if (index.column() == Include && m_plan->canInclude(index.row()))
            return row.included ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ForegroundRole:
        if (!row.included)
            return QColor(Qt::gray);
        return {};
    case Qt::ToolTipRole:
        if (index.column() == Remark || index.column() == State)
            return display(row, index.column());
        return {};
    default:
        return {};
    }
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole || role == FieldNameRole)
        return QString::fromUtf8(Headings[section]);
    return {};
}

#pragma once

#include "ledger/import_plan.h"

#include <QAbstractTableModel>

// The import preview's rows: one per bill row, with a check box for whether it is
// imported. Rows that will not be imported are grey. Raw values as the grid expects them
// (money in ten-thousandths, days as dates).
class ImportPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Include, Line, Day, Kind, Amount, Remark, Category, Account, Member, State };

    explicit ImportPreviewModel(QObject *parent = nullptr);

    // The plan shown; it must outlive the model or be replaced first.
    void setPlan(ImportPlan *plan);
    ImportPlan *plan() const { return m_plan; }
    // The account and member every imported row gets.
    void setTargetNames(const QString &account, const QString &member);
    // A row of the plan changed.
    void refreshRow(int row);
    void refreshAll();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QVariant display(const ImportRow &row, int column) const;

    ImportPlan *m_plan = nullptr;
    QString m_account;
    QString m_member;
};

#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>
#include <memory>

#include "widgets/page.h"

class BatchTableModel;
class DataGrid;
class LookupDelegate;
class LookupList;
class QDateEdit;
#include "core/app_context.h"

// 账户转账: money moved from one account to another, listed by period.
class TransfersPage : public QWidget, public Page {
    Q_OBJECT
public:
    explicit TransfersPage(const AppContext &context, QWidget *parent = nullptr);

    // The period from the first of this month to today.
    void setUp() override;
    // The transfers of the period, and a new empty row to type into.
    void enter() override;
    // Unsaved rows: asks whether to save them first.
    bool leave() override;
    // 查询: the transfers of the period; unsaved edits are dropped.
    void query();
    // A new row, current and ready for typing.
    void appendBlankRow();
    // The account names, read again after the accounts were saved.
    void reloadAccounts();

private:
    void layoutGrid();
    void deleteTransfer();
    void save();
    // Checks and writes the pending rows; on failure says why and gives false (rows stay
    // pending, the first offending one current).
    bool writeChanges();

    AppContext m_context;
    std::shared_ptr<LookupList> m_accounts;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    DataGrid *m_grid = nullptr;
    BatchTableModel *m_model = nullptr;
    LookupDelegate *m_accountPicker = nullptr;
};

#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>
#include <memory>

class BatchTableModel;
class DataGrid;
class LookupDelegate;
class LookupList;
class QDateEdit;
struct AppContext;

// 账户转账: money moved from one account to another, listed by period.
class TransfersPage : public QWidget {
    Q_OBJECT
public:
    explicit TransfersPage(AppContext &context, QWidget *parent = nullptr);

    void setPeriod(const QDate &from, const QDate &to);
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

    AppContext &m_context;
    std::shared_ptr<LookupList> m_accounts;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    DataGrid *m_grid = nullptr;
    BatchTableModel *m_model = nullptr;
    LookupDelegate *m_accountPicker = nullptr;
};

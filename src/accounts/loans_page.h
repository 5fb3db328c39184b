#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>
#include <memory>

#include "widgets/page.h"

class AccountPicker;
class BatchTableModel;
class ClickableLabel;
class DataGrid;
class LookupList;
class QCheckBox;
class QRadioButton;
#include "core/app_context.h"

// 借入借出: money borrowed ("S") and lent ("Z"), one class at a time.
class LoansPage : public QWidget, public Page {
    Q_OBJECT
public:
    explicit LoansPage(const AppContext &context, QWidget *parent = nullptr);

    // Entering the page: the borrowed loans. A failure while reading them is passed
    // over; the page stays with its heading set.
    void enter() override;
    // Unsaved rows: asks whether to save them first.
    bool leave() override;
    void loadBorrowed();
    // The account names, read again after the accounts were saved.
    void reloadAccounts();

    QString loanClass() const { return m_class; }

private:
    void chooseClass(const QString &loanClass);
    void reload();
    void layoutGrid();
    void cellClicked(int row);
    void addLoan();
    void deleteLoan();
    void save();
    // Writes the pending rows; on failure says why and gives false (rows stay pending).
    bool writeChanges();
    // Puts the class buttons and the filter back as the list on screen was read.
    void showListState();

    AppContext m_context;
    std::shared_ptr<LookupList> m_accounts;
    QString m_class = QStringLiteral("S");
    bool m_onlyOutstandingShown = false; // the filter the list on screen was read with
    // The row being added or edited: a click in it gives it the page's class. Any
    // other row is only being looked at, and a click leaves it alone.
    int m_editingRow = -1;
    bool m_writingClass = false;
    QRadioButton *m_borrowed = nullptr;
    QRadioButton *m_lent = nullptr;
    QCheckBox *m_onlyOutstanding = nullptr;
    DataGrid *m_grid = nullptr;
    BatchTableModel *m_model = nullptr;
    AccountPicker *m_accountPicker = nullptr;
    ClickableLabel *m_hint = nullptr;
};

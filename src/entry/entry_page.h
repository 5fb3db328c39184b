#pragma once

#include "ledger/entry_checks.h"
#include "widgets/page.h"

#include <QDate>
#include <QDateTime>
#include <QWidget>
#include <memory>
#include <optional>

#include "core/app_context.h"
class CalculatorBox;
class CategoryListBox;
class DataGrid;
class EntryInfoBox;
class LookupList;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RecentDaysChart;
class RowsModel;

// 收支录入: one page for expense and income entries. The user fills the
// fields and saves; the day's entries of the kind are listed underneath, and a click on
// one loads it for editing.
class EntryPage : public QWidget, public Page {
    Q_OBJECT
public:
    enum class Mode { Add, Edit };

    explicit EntryPage(const AppContext &context, QWidget *parent = nullptr);
    ~EntryPage() override;

    // The main window's creation steps: add mode, both dates today, the amount aligned
    // right, the calculator reset.
    void setUp() override;
    // The kind the next enter() shows ("支 出" and "收 入" share this page).
    void setKind(EntryKind kind) { m_nextKind = kind; }
    void enter() override;

    std::optional<EntryKind> kind() const { return m_kind; }
    Mode mode() const { return m_mode; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Layout (entry_page.cpp).
    void buildButtons(QWidget *top);
    void buildDates(QWidget *top);
    void buildFields(QWidget *top);
    void buildDayList();
    void connectActions();

    // What the user does (entry_page_actions.cpp).
    void queryDayList();
    void add();
    void save();
    void remove();
    void shiftDates(int days);
    void today();
    void entryDateChanged(const QDate &date);
    void categoryTextChanged(const QString &text);
    void categoryFieldClicked();
    void topCategoryChosen(qint64 id);
    void categoryPicked(const QString &name, const QVariant &topId);
    void dayRowClicked(int row);
    void reloadSelectors();
    void focusField(EntryField field);
    void endEdit();
    void setEntryDateQuietly(const QDate &date);
    void setQueryDateQuietly(const QDate &date);

    AppContext m_context;
    EntryKind m_nextKind = EntryKind::Expense;
    std::optional<EntryKind> m_kind; // none until first entered
    Mode m_mode = Mode::Add;
    std::optional<qint64> m_editId; // the day-list row last clicked

    QWidget *m_top = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_yesterdayButton = nullptr;
    QPushButton *m_todayButton = nullptr;
    QPushButton *m_tomorrowButton = nullptr;
    QPushButton *m_queryButton = nullptr;
    QDateEdit *m_queryDate = nullptr;
    QGroupBox *m_fields = nullptr;
    QDateEdit *m_entryDate = nullptr;
    QLabel *m_payerLabel = nullptr;
    QComboBox *m_payer = nullptr;
    QLineEdit *m_category = nullptr;
    QLineEdit *m_amount = nullptr;
    QComboBox *m_account = nullptr;
    QLineEdit *m_remark = nullptr;
    EntryInfoBox *m_info = nullptr;
    RecentDaysChart *m_chart = nullptr;
    DataGrid *m_dayList = nullptr;
    RowsModel *m_dayRows = nullptr;
    CategoryListBox *m_categoryList = nullptr;
    CalculatorBox *m_calculator = nullptr;
    std::unique_ptr<LookupList> m_members;
    std::unique_ptr<LookupList> m_accounts;
};

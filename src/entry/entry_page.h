#pragma once

#include "ledger/entry_checks.h"

#include <QDate>
#include <QDateTime>
#include <QWidget>
#include <memory>

struct AppContext;
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

// 收支录入: one page for expense ('Z') and income ('S') entries. The user fills the
// fields and saves; the day's entries of the kind are listed underneath, and a click on
// one loads it for editing.
class EntryPage : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Add, Edit };

    explicit EntryPage(AppContext &context, QWidget *parent = nullptr);
    ~EntryPage() override;

    // The main window's creation steps.
    void setAddMode();
    void setInitialDates(const QDate &today);
    void alignAmountRight();
    void resetCalculator();
    // "支 出" ('Z') and "收 入" ('S') bring the page to the front and call this.
    void enter(QChar kind);

    QChar kind() const { return m_kind; }
    Mode mode() const { return m_mode; }
    // The id of the day-list row last clicked, "0" when none.
    QString editId() const { return m_editId; }

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

    AppContext &m_context;
    QChar m_kind;
    Mode m_mode = Mode::Add;
    QString m_editId = QStringLiteral("0");

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

#include "accounts/loans_page.h"

#include "accounts/account_picker.h"
#include "core/app_context.h"
#include "core/error_policy.h"
#include "core/questions.h"
#include "core/services.h"
#include "ledger/account_queries.h"
#include "ledger/batch_table_model.h"
#include "ledger/loan_queries.h"
#include "store/books_notifier.h"
#include "widgets/clickable_label.h"
#include "widgets/data_grid.h"
#include "widgets/page_parts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableView>

namespace {

QString principalHeading(const QString &loanClass) {
    return loanClass == QLatin1String("S") ? QStringLiteral("借入金额")
                                           : QStringLiteral("借出金额");
}

} // namespace

LoansPage::LoansPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context),
      m_accounts(std::make_shared<LookupList>(context.db, AccountQueries::accountNamesSelect())) {
    // Saved or deleted accounts: the names on offer follow.
    ErrorPolicy::connect(&m_context.db.notifier(), &BooksNotifier::accountsChanged, this,
                         m_context.prompts, [this] { reloadAccounts(); });
    setObjectName(QStringLiteral("loansPage"));
    m_borrowed = new QRadioButton(QStringLiteral("借入"), this);
    m_borrowed->setGeometry(24, 8, 64, 25);
    m_borrowed->setChecked(true);
    m_lent = new QRadioButton(QStringLiteral("借出"), this);
    m_lent->setGeometry(96, 8, 64, 25);
    auto *classes = new QButtonGroup(this);
    classes->addButton(m_borrowed);
    classes->addButton(m_lent);
    m_onlyOutstanding = new QCheckBox(QStringLiteral("只显示未还清的"), this);
    m_onlyOutstanding->setGeometry(168, 8, 140, 25);
    auto *add = PageParts::toolButton(QStringLiteral("增加"), this, 503, 8);
    auto *remove = PageParts::toolButton(QStringLiteral("删除"), this, 591, 8);
    auto *save = PageParts::toolButton(QStringLiteral("保存"), this, 679, 8);

    m_model = new BatchTableModel(m_context.db, this);
    LoanQueries::configureLoans(*m_model);
    PageParts::reportRefusedValues(*m_model, m_context.prompts);

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("loansGrid"));
    m_grid->setGeometry(3, 48, 758, 462);
    m_grid->setCurrentRowHighlight(true);
    m_grid->setModel(m_model);
    PageParts::showCutTextOnHover(m_grid);
    m_accountPicker = new AccountPicker(m_accounts, m_grid);

    m_hint = new ClickableLabel(QStringLiteral("添加记录时，请先点〔增加〕，再输入内容。"), this);
    m_hint->setObjectName(QStringLiteral("loanHint"));
    m_hint->setAlignment(Qt::AlignCenter);
    m_hint->setStyleSheet(QStringLiteral("background: #fff4c8; color: #8a5d12;"
                                         " border: 1px solid #e0ae3c; border-radius: 4px;"));
    m_hint->setGeometry(120, 448, 521, 41);
    m_hint->raise();

    ErrorPolicy::connect(m_borrowed, &QRadioButton::toggled, this, m_context.prompts,
                         [this](bool on) {
                             if (on)
                                 chooseClass(QStringLiteral("S"));
                         });
    ErrorPolicy::connect(m_lent, &QRadioButton::toggled, this, m_context.prompts, [this](bool on) {
        if (on)
            chooseClass(QStringLiteral("Z"));
    });
    ErrorPolicy::connect(m_onlyOutstanding, &QCheckBox::toggled, this, m_context.prompts, [this] {
        // Reading the list again would drop unsaved rows: they are asked about first.
        if (leave())
            reload();
        else
            showListState();
    });
    connect(m_hint, &ClickableLabel::clicked, m_hint, &QWidget::hide);
    ErrorPolicy::connect(add, &QPushButton::clicked, this, m_context.prompts, &LoansPage::addLoan);
    ErrorPolicy::connect(remove, &QPushButton::clicked, this, m_context.prompts,
                         &LoansPage::deleteLoan);
    ErrorPolicy::connect(save, &QPushButton::clicked, this, m_context.prompts, &LoansPage::save);

    // Moving to another row ends the editing of the one left behind.
    ErrorPolicy::connect(m_grid, &DataGrid::currentRowChanged, this, m_context.prompts,
                         [this](int row) {
                             if (row != m_editingRow)
                                 m_editingRow = -1;
                         });
    // A value typed into a row starts editing it.
    ErrorPolicy::connect(m_model, &QAbstractItemModel::dataChanged, this, m_context.prompts,
                         [this](const QModelIndex &from, const QModelIndex &to) {
                             if (!m_writingClass && from.row() == to.row())
                                 m_editingRow = from.row();
                         });
    ErrorPolicy::connect(m_model, &QAbstractItemModel::modelReset, this, m_context.prompts,
                         [this] { m_editingRow = -1; });
    ErrorPolicy::connect(m_grid, &DataGrid::cellClicked, this, m_context.prompts,
                         [this](int row, int) { cellClicked(row); });
}

void LoansPage::enter() {
    ErrorPolicy::quietly([this] { loadBorrowed(); });
}

void LoansPage::loadBorrowed() {
    m_class = QStringLiteral("S");
    {
        const QSignalBlocker quiet(m_borrowed);
        m_borrowed->setChecked(true);
    }
    // The heading is set before the list is read: a failed read is passed over by the
    // caller, and the page still names its column rightly.
    if (const int principal = m_grid->column(QStringLiteral("借出金额")); principal >= 0)
        m_grid->setHeading(principal, principalHeading(m_class));
    reload();
}

void LoansPage::chooseClass(const QString &loanClass) {
    // The other class is another list, as another tab would be: unsaved rows of this one
    // are asked about first, and saved with this one's class.
    if (!leave()) {
        showListState();
        return;
    }
    m_class = loanClass;
    reload();
}

bool LoansPage::leave() {
    m_grid->commitEdit();
    return PageParts::mayLeave(
        m_context.prompts, m_model->hasPendingChanges(), [this] { return writeChanges(); },
        [this] { m_model->cancel(); });
}

void LoansPage::showListState() {
    const QSignalBlocker quietBorrowed(m_borrowed), quietLent(m_lent),
        quietFilter(m_onlyOutstanding);
    (m_class == QLatin1String("S") ? m_borrowed : m_lent)->setChecked(true);
    m_onlyOutstanding->setChecked(m_onlyOutstandingShown);
}

void LoansPage::reload() {
    if (!m_accounts->isLoaded())
        m_accounts->reload();
    LoanQueries::loadClass(*m_model, m_class, m_onlyOutstanding->isChecked());
    m_onlyOutstandingShown = m_onlyOutstanding->isChecked();
    layoutGrid();
}

void LoansPage::reloadAccounts() {
    m_accounts->reload();
    m_grid->viewport()->update();
}

void LoansPage::layoutGrid() {
    using F = ColumnFormat;
    m_grid->applyColumns({
        {.field = "id", .hidden = true},
        {.field = "j_class", .hidden = true},
        {.field = "日期", .width = 60, .format = F::Date},
        {.field = "z_id", .width = 100, .heading = QStringLiteral("账户")},
        {.field = "借出金额",
         .width = 60,
         .format = F::Currency,
         .heading = principalHeading(m_class)},
        {.field = "已还金额", .width = 60, .format = F::Currency},
        {.field = "余额", .width = 90, .format = F::Currency, .readOnly = true},
        {.field = "预计回收期", .width = 90, .format = F::Date},
        {.field = "借给", .width = 60},
        {.field = "借款人", .width = 100},
    });
    const int account = m_grid->column(QStringLiteral("z_id"));
    m_grid->setColumnDelegate(account, m_accountPicker);
    m_accountPicker->setColumn(account);
}

void LoansPage::cellClicked(int row) {
    // Only a row being added or edited takes the class; a click elsewhere changes nothing.
    if (row < 0 || row != m_editingRow || row != m_grid->currentRow())
        return;
    m_writingClass = true;
    m_model->setValue(row, QStringLiteral("j_class"), m_class);
    m_writingClass = false;
}

void LoansPage::addLoan() {
    const int row = m_model->appendRow();
    m_editingRow = row;
    m_grid->setCurrentRow(row);
    m_grid->view()->scrollToBottom();
}

void LoansPage::deleteLoan() {
    const auto id = PageParts::confirmedDeleteOfCurrentRow(*m_grid, *m_model, m_context.prompts);
    if (!id)
        return;
    LoanQueries::deleteLoan(m_context.db, *id);
    reload();
}

void LoansPage::save() {
    m_grid->commitEdit();
    if (!Questions::confirmSave(m_context.prompts)) {
        m_model->cancel();
        return;
    }
    writeChanges();
}

bool LoansPage::writeChanges() {
    const auto result = LoanQueries::saveLoans(m_context.db, *m_model, m_class);
    m_editingRow = -1;
    // Reported, not passed over: the rows stay on screen, pending, for another try.
    if (!result.ok)
        m_context.prompts.inform(Captions::system(),
                                 ErrorPolicy::messageWithReason(
                                     QStringLiteral("对不起，数据格式不对"), result.engineText),
                                 Prompts::Icon::None);
    return result.ok;
}

#include "accounts/transfers_page.h"

#include "core/app_context.h"
#include "core/error_policy.h"
#include "core/questions.h"
#include "core/services.h"
#include "ledger/account_queries.h"
#include "ledger/batch_table_model.h"
#include "ledger/transfer_queries.h"
#include "store/books_notifier.h"
#include "store/dates.h"
#include "widgets/data_grid.h"
#include "widgets/lookup_delegate.h"
#include "widgets/page_parts.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace {

constexpr int GridWidth = 758;
constexpr int GridHeight = 462;

} // namespace

TransfersPage::TransfersPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context),
      m_accounts(std::make_shared<LookupList>(context.db, AccountQueries::accountNamesSelect())) {
    // Saved or deleted accounts: the names on offer follow.
    ErrorPolicy::connect(&m_context.db.notifier(), &BooksNotifier::accountsChanged, this,
                         m_context.prompts, [this] { reloadAccounts(); });
    setObjectName(QStringLiteral("transfersPage"));
    auto *add = PageParts::toolButton(QStringLiteral("增加"), this, 8, 8);
    auto *remove = PageParts::toolButton(QStringLiteral("删除"), this, 91, 8);
    auto *save = PageParts::toolButton(QStringLiteral("保存"), this, 174, 8);
    auto *period = new QLabel(QStringLiteral("转账时间："), this);
    period->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    period->setGeometry(380, 8, 82, 25);
    m_from = PageParts::periodPicker(this, QStringLiteral("从"), 464);
    auto *dash = new QLabel(QStringLiteral("–"), this);
    dash->setAlignment(Qt::AlignCenter);
    dash->setGeometry(561, 8, 7, 25);
    m_to = PageParts::periodPicker(this, QStringLiteral("到"), 568);
    auto *find = PageParts::toolButton(QStringLiteral("查询"), this, 676, 8);

    m_model = new BatchTableModel(m_context.db, this);
    TransferQueries::configureTransfers(*m_model);
    PageParts::reportRefusedValues(*m_model, m_context.prompts);

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("transfersGrid"));
    m_grid->setGeometry(3, 48, GridWidth, GridHeight);
    m_grid->setCurrentRowHighlight(true);
    m_grid->setModel(m_model);
    PageParts::showCutTextOnHover(m_grid);
    // One drop-down of account names serves both account columns.
    m_accountPicker = new LookupDelegate(m_accounts, m_grid);
    // A transfer whose account is gone (deleted before deleting was refused, or never
    // chosen) says so, so the user can find it and choose another.
    m_grid->setCellDrawHook([this](DataGrid::Cell &cell) {
        const QString field = m_model->columnName(cell.column);
        if (field != QLatin1String("zh1") && field != QLatin1String("zh2"))
            return;
        const bool blankNewCell =
            m_model->isNew(cell.row) && m_model->value(cell.row, cell.column).isNull();
        if (cell.text.isEmpty() && !blankNewCell) {
            cell.text = QStringLiteral("（已删除的账户）");
            cell.foreground = QColor(Qt::gray);
        }
    });

    ErrorPolicy::connect(add, &QPushButton::clicked, this, m_context.prompts,
                         &TransfersPage::appendBlankRow);
    ErrorPolicy::connect(remove, &QPushButton::clicked, this, m_context.prompts,
                         &TransfersPage::deleteTransfer);
    ErrorPolicy::connect(save, &QPushButton::clicked, this, m_context.prompts,
                         &TransfersPage::save);
    ErrorPolicy::connect(find, &QPushButton::clicked, this, m_context.prompts,
                         &TransfersPage::query);
}

void TransfersPage::setUp() {
    const QDate today = m_context.clock.today();
    m_from->setDate(Dates::firstOfMonth(today));
    m_to->setDate(today);
}

void TransfersPage::enter() {
    query();
    appendBlankRow();
}

bool TransfersPage::leave() {
    m_grid->commitEdit();
    return PageParts::mayLeave(
        m_context.prompts, m_model->hasPendingChanges(), [this] { return writeChanges(); },
        [this] { m_model->cancel(); });
}

void TransfersPage::query() {
    if (!m_accounts->isLoaded())
        m_accounts->reload();
    TransferQueries::loadPeriod(*m_model, m_from->date(), m_to->date());
    layoutGrid();
}

void TransfersPage::layoutGrid() {
    m_grid->applyColumns({
        {.field = "id", .hidden = true},
        {.field = "zh1", .width = 90, .heading = QStringLiteral("转出账户")},
        {.field = "zh2", .width = 90, .heading = QStringLiteral("转入账户")},
        {.field = "转账时间", .width = 90, .format = ColumnFormat::Date},
        {.field = "转账金额", .width = 90, .format = ColumnFormat::Currency},
        {.field = "备注", .width = GridWidth - 380},
    });
    for (const char *account : {"zh1", "zh2"})
        m_grid->setColumnDelegate(m_grid->column(QString::fromUtf8(account)), m_accountPicker);
}

void TransfersPage::appendBlankRow() {
    const int row = m_model->appendRow();
    m_grid->setCurrentRow(row);
    m_grid->view()->scrollToBottom();
}

void TransfersPage::reloadAccounts() {
    m_accounts->reload();
    m_grid->viewport()->update();
}

void TransfersPage::deleteTransfer() {
    // The blank row, a row not saved yet, an empty list: nothing to delete.
    const auto id = PageParts::confirmedDeleteOfCurrentRow(*m_grid, *m_model, m_context.prompts);
    if (!id)
        return;
    TransferQueries::deleteTransfer(m_context.db, *id);
    query();
}

void TransfersPage::save() {
    m_grid->commitEdit();
    if (!Questions::confirmSave(m_context.prompts)) {
        query();
        return;
    }
    writeChanges();
}

bool TransfersPage::writeChanges() {
    if (const auto refusal = TransferQueries::checkPendingTransfers(*m_model)) {
        m_context.prompts.inform(Captions::system(), refusal->message, Prompts::Icon::Error);
        m_grid->setCurrentRow(refusal->row);
        m_grid->view()->setFocus();
        return false;
    }
    const auto result = m_model->save();
    if (!result.ok)
        m_context.prompts.inform(
            Captions::system(),
            ErrorPolicy::messageWithReason(QStringLiteral("对不起，请选择时间"), result.engineText),
            Prompts::Icon::None);
    return result.ok;
}

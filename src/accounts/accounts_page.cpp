#include "accounts/accounts_page.h"

#include "core/app_context.h"
#include "core/error_policy.h"
#include "core/notices.h"
#include "core/questions.h"
#include "core/services.h"
#include "ledger/account_queries.h"
#include "ledger/batch_table_model.h"
#include "ledger/tidy.h"
#include "widgets/data_grid.h"
#include "widgets/page_parts.h"

#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>

namespace {

constexpr int PageWidth = 765;
constexpr int PageHeight = 511;
constexpr int ToolBarHeight = 40;

// Neighbouring slices need colours far enough apart to tell the accounts from each other.
const QColor SliceColours[] = {
    QColor(42, 157, 143),  QColor(224, 174, 60), QColor(231, 111, 81),  QColor(69, 123, 157),
    QColor(138, 177, 125), QColor(155, 93, 229), QColor(176, 137, 104), QColor(244, 162, 97),
};

} // namespace

AccountsPage::AccountsPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("accountsPage"));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("accountTabs"));
    m_tabs->setGeometry(0, 0, PageWidth, PageHeight);
    // Tabs of 73 by 26 pixels with the skin's one-pixel border, with or without the skin.
    m_tabs->setStyleSheet(
        QStringLiteral("QTabBar::tab { width: 71px; height: 24px; padding: 0px; }"));
    m_tabs->addTab(buildListTab(), QStringLiteral("账户管理"));
    m_chartTab = buildChartTab();
    m_tabs->addTab(m_chartTab, QStringLiteral("图表分析"));
    ErrorPolicy::connect(m_tabs, &QTabWidget::currentChanged, this, m_context.prompts,
                         &AccountsPage::tabChanged);
}

QWidget *AccountsPage::buildListTab() {
    auto *tab = new QWidget;
    auto *bar = new QWidget(tab);
    bar->setObjectName(QStringLiteral("accountsToolBar"));
    bar->setGeometry(0, 0, PageWidth - 2, ToolBarHeight);
    auto *add = PageParts::toolButton(QStringLiteral("增加"), bar, 8, 8);
    auto *remove = PageParts::toolButton(QStringLiteral("删除"), bar, 96, 8);
    auto *save = PageParts::toolButton(QStringLiteral("保存"), bar, 184, 8);

    m_model = new BatchTableModel(m_context.db, this);
    AccountQueries::configureAccountList(*m_model);
    PageParts::reportRefusedValues(*m_model, m_context.prompts);

    m_grid = new DataGrid(tab);
    m_grid->setObjectName(QStringLiteral("accountsGrid"));
    m_grid->setGeometry(2, ToolBarHeight, PageWidth - 8, PageHeight - 26 - ToolBarHeight - 6);
    m_grid->setRowHeight(25);
    m_grid->setCurrentRowHighlight(true);
    m_grid->setModel(m_model);
    PageParts::showCutTextOnHover(m_grid);

    ErrorPolicy::connect(m_grid, &DataGrid::cellClicked, this, m_context.prompts,
                         &AccountsPage::cellClicked);
    ErrorPolicy::connect(add, &QPushButton::clicked, this, m_context.prompts,
                         &AccountsPage::addAccount);
    ErrorPolicy::connect(remove, &QPushButton::clicked, this, m_context.prompts,
                         &AccountsPage::deleteAccount);
    ErrorPolicy::connect(save, &QPushButton::clicked, this, m_context.prompts, &AccountsPage::save);
    return tab;
}

AccountsPage::Pie AccountsPage::makePie(QWidget *parent, const QString &name, const QString &title,
                                        const QRect &place) {
    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setTitle(title);
    QFont titleFont = chart->titleFont();
    titleFont.setPixelSize(13);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(2, 2, 2, 14));
    Pie pie;
    pie.view = new QChartView(chart, parent);
    pie.view->setAccessibleName(name);
    pie.view->setRenderHint(QPainter::Antialiasing);
    pie.view->setGeometry(place);
    // Laid over the foot of the chart, where the pie never reaches.
    pie.note = new QLabel(parent);
    pie.note->setAccessibleName(name + QStringLiteral("说明"));
    pie.note->setAlignment(Qt::AlignCenter);
    pie.note->setStyleSheet(QStringLiteral("color: #8a5d12; background: transparent;"));
    pie.note->setGeometry(place.x() + 4, place.bottom() - 20, place.width() - 8, 18);
    pie.note->hide();
    return pie;
}

QWidget *AccountsPage::buildChartTab() {
    auto *tab = new QWidget;
    const int height = PageHeight - 26 - 8;
    auto *left = new QGroupBox(QStringLiteral("账户现有资金分布图"), tab);
    left->setGeometry(3, 2, 375, height);
    m_balancePie = makePie(left, QStringLiteral("账户现有资金分布图"), QString(),
                           QRect(6, 18, 363, height - 24));

    auto *right = new QGroupBox(QStringLiteral("账户收入/支出分布图"), tab);
    right->setGeometry(382, 2, 375, height);
    m_incomePie = makePie(right, QStringLiteral("账户收入资金分布图"),
                          QStringLiteral("账户收入资金分布图"), QRect(6, 16, 363, 232));
    m_expensePie = makePie(right, QStringLiteral("账户支出资金分布图"),
                           QStringLiteral("账户支出资金分布图"), QRect(6, 16 + 232, 363, 226));
    return tab;
}

std::optional<qint64> AccountsPage::selectedAccountId() const {
    return m_selectedId;
}

void AccountsPage::layoutGrid() {
    using F = ColumnFormat;
    // The totals are the recomputation's to write, never the user's.
    m_grid->applyColumns({
        {.field = "编号", .hidden = true},
        {.field = "账户名称", .width = 95},
        {.field = "起始金额", .width = 90, .format = F::Currency},
        {.field = "收入\u3000", .width = 60, .format = F::Currency, .readOnly = true},
        {.field = "支出", .width = 60, .format = F::Currency, .readOnly = true},
        {.field = "借入", .width = 60, .format = F::Currency, .readOnly = true},
        {.field = "借出", .width = 60, .format = F::Currency, .readOnly = true},
        {.field = "转入", .width = 60, .format = F::Currency, .readOnly = true},
        {.field = "转出", .width = 60, .format = F::Currency, .readOnly = true},
        {.field = "余额", .width = 60, .format = F::Currency, .readOnly = true},
        {.field = "备注", .width = 110},
    });
}

void AccountsPage::reload() {
    const bool inRange = AccountQueries::recalcAndLoad(m_context.db, *m_model);
    layoutGrid();
    if (!inRange)
        Notices::sumOutOfRange(m_context.prompts);
}

void AccountsPage::enter() {
    CleanEntries(m_context.db);
    reload();
    // The chart tab may be the one left open: it shows the figures just rebuilt.
    if (m_tabs->currentWidget() == m_chartTab)
        fillPies();
}

bool AccountsPage::leave() {
    m_grid->commitEdit();
    return PageParts::mayLeave(
        m_context.prompts, m_model->hasPendingChanges(), [this] { return writeChanges(); },
        [this] { m_model->cancel(); });
}

// The chart tab reads the list again, which would drop unsaved rows: they are asked
// about first, and Cancel goes back to them.
void AccountsPage::tabChanged(int index) {
    if (m_tabs->widget(index) != m_chartTab)
        return;
    if (!leave()) {
        const QSignalBlocker quiet(m_tabs);
        m_tabs->setCurrentIndex(0);
        return;
    }
    showCharts();
}

void AccountsPage::showCharts() {
    reload();
    fillPies();
}

void AccountsPage::fillPies() {
    using AccountQueries::Figure;
    const auto figures = AccountQueries::readFigures(m_context.db);
    const struct {
        Pie &pie;
        Figure figure;
        const char *name;
    } pies[] = {
        {m_balancePie, Figure::Balance, "余额"},
        {m_incomePie, Figure::Income, "收入"},
        {m_expensePie, Figure::Expense, "支出"},
    };
    for (const auto &p : pies) {
        const AccountQueries::PieShares shares = AccountQueries::pieShares(figures, p.figure);
        QChart *chart = p.pie.view->chart();
        chart->removeAllSeries();
        auto *series = new QPieSeries;
        // The small charts leave less room for the labels around the pie.
        series->setPieSize(&p.pie == &m_balancePie ? 0.6 : 0.5);
        QFont labelFont = font();
        labelFont.setPixelSize(11);
        for (const auto &[name, amount] : shares.slices) {
            QPieSlice *slice =
                series->append(name + QLatin1Char(' ') + amount.toCurrency(), amount.toDouble());
            slice->setColor(SliceColours[(series->count() - 1) % std::size(SliceColours)]);
            slice->setBorderColor(Qt::white);
            slice->setLabelFont(labelFont);
            slice->setLabelVisible(true);
        }
        chart->addSeries(series);
        p.pie.note->setText(QStringLiteral("另有 %1 个账户的%2为零、负数或空，未画入图中")
                                .arg(shares.leftOut)
                                .arg(QString::fromUtf8(p.name)));
        p.pie.note->setVisible(shares.leftOut > 0);
    }
}

void AccountsPage::cellClicked() {
    const int row = m_grid->currentRow();
    if (row < 0)
        return;
    // A row not saved yet has no number: the selection is then empty.
    const QVariant id = m_model->value(row, QStringLiteral("编号"));
    m_selectedId = id.isNull() ? std::nullopt : std::optional<qint64>(id.toLongLong());
}

void AccountsPage::addAccount() {
    const int row = m_model->appendRow();
    m_grid->setCurrentRow(row);
    m_grid->view()->scrollToBottom();
}

void AccountsPage::deleteAccount() {
    Prompts &prompts = m_context.prompts;
    if (!m_selectedId) {
        prompts.inform(Captions::system(), QStringLiteral("对不起，请先选择要删除的记录"),
                       Prompts::Icon::Error);
        return;
    }
    if (!Questions::confirmDelete(prompts))
        return;
    const qint64 account = *m_selectedId;
    if (AccountQueries::hasEntries(m_context.db, account)) {
        prompts.inform(Captions::system(),
                       QStringLiteral("对不起，该账户下有收支明细，不能直接删除。"),
                       Prompts::Icon::Error);
        return;
    }
    // Their money would otherwise drop out of every balance without a word.
    if (AccountQueries::hasLoansOrTransfers(m_context.db, account)) {
        prompts.inform(Captions::system(),
                       QStringLiteral("对不起，该账户下有借贷或转账记录，不能直接删除。"),
                       Prompts::Icon::Error);
        return;
    }
    AccountQueries::deleteAccount(m_context.db, account);
    m_selectedId.reset();
    m_model->load();
    layoutGrid();
}

void AccountsPage::save() {
    m_grid->commitEdit();
    if (!Questions::confirmSave(m_context.prompts)) {
        m_model->cancel();
        return;
    }
    writeChanges();
}

bool AccountsPage::writeChanges() {
    // A failed save keeps every edit on screen, pending, for the user to mend.
    const auto result = AccountQueries::saveAccounts(m_context.db, *m_model);
    if (!result.ok) {
        m_context.prompts.inform(Captions::system(),
                                 ErrorPolicy::messageWithReason(
                                     QStringLiteral("对不起，数据格式不对"), result.engineText),
                                 Prompts::Icon::None);
        if (result.row >= 0)
            m_grid->setCurrentRow(result.row);
    }
    return result.ok;
}

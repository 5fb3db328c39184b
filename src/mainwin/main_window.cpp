#include "mainwin/main_window.h"

#include "accounts/accounts_page.h"
#include "accounts/loans_page.h"
#include "accounts/transfers_page.h"
#include "budget/budget_page.h"
#include "categories/category_page.h"
#include "core/error_policy.h"
#include "core/services.h"
#include "core/site_texts.h"
#include "entry/entry_page.h"
#include "importing/grid_export.h"
#include "mainwin/home_page.h"
#include "reports/category_report_page.h"
#include "reports/journal_page.h"
#include "reports/person_report_page.h"
#include "reports/statement_page.h"
#include "store/database.h"
#include "store/dates.h"
#include "tools/settings_page.h"
#include "tools/tools_page.h"
#include "widgets/art.h"
#include "widgets/clickable_label.h"
#include "widgets/page.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>

namespace {
constexpr int Width = 958;
constexpr int Height = 625;
constexpr int TopHeight = 81;
constexpr int NavWidth = 193;
constexpr int StatusHeight = 33;
constexpr int PageHeight = Height - TopHeight - StatusHeight; // 511

struct LinkPlace {
    const char *caption;
    int x;
    MainWindow::Link link;
};
constexpr LinkPlace Links[] = {
    {"桌面", 40, MainWindow::Desktop},     {"日记本", 76, MainWindow::Diary},
    {"万年历", 127, MainWindow::Calendar}, {"打印", 184, MainWindow::Print},
    {"帮助", 227, MainWindow::Help},       {"退出", 265, MainWindow::Exit},
};
} // namespace

MainWindow::MainWindow(const AppContext &context)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_context(context) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(SiteTexts::DesignCaption);
    setWindowIcon(QIcon(artPixmap(QStringLiteral("app_icon"), QSize(64, 64))));
    setFixedSize(Width, Height);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    buildTopBar();
    m_nav = new NavigationBar(this);
    m_nav->move(0, TopHeight);
    connect(m_nav, &NavigationBar::itemClicked, this, &MainWindow::navigate);
    connect(m_nav, &NavigationBar::webLinkClicked, this,
            [this] { m_context.shell.openUrl(SiteTexts::webSiteUrl()); });
    buildStatusBar();
    buildPages();
    buildRoutes();

    // Creation: the clock, every page's starting values, then the home page in front.
    updateClock();
    for (int i = 0; i < m_stack->count(); ++i)
        if (auto *page = dynamic_cast<Page *>(m_stack->widget(i)))
            page->setUp();
    follow(Desktop);

    m_clockTimer = new QTimer(this);
    m_clockTimer->setInterval(1000);
    connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::updateClock);
    m_clockTimer->start();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildTopBar() {
    auto *banner = new ClickableLabel(QString(), this);
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setAccessibleName(QStringLiteral("横幅"));
    banner->setCursor(Qt::ArrowCursor);
    banner->setPixmap(artPixmap(QStringLiteral("banner"), QSize(561, TopHeight)));
    banner->setGeometry(0, 0, 561, TopHeight);
    connect(banner, &ClickableLabel::clicked, this, &MainWindow::bannerClicked);

    const int rightX = Width - 302;
    auto *filler = new QLabel(this);
    filler->setScaledContents(true);
    filler->setPixmap(artPixmap(QStringLiteral("topbar_filler"), QSize(rightX - 561, TopHeight)));
    filler->setGeometry(561, 0, rightX - 561, TopHeight);

    auto *panel = new QLabel(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setPixmap(artPixmap(QStringLiteral("topbar_links"), QSize(302, TopHeight)));
    panel->setGeometry(rightX, 0, 302, TopHeight);
    for (const LinkPlace &place : Links) {
        auto *link = new ClickableLabel(QString::fromUtf8(place.caption), panel);
        link->adjustSize();
        link->move(place.x, 56);
        const Link which = place.link;
        connect(link, &ClickableLabel::clicked, this, [this, which] { follow(which); });
    }
}

void MainWindow::buildStatusBar() {
    const int y = Height - StatusHeight;
    auto *picture = new QLabel(this);
    picture->setPixmap(artPixmap(QStringLiteral("statusbar_left"), QSize(NavWidth, StatusHeight)));
    picture->setGeometry(0, y, NavWidth, StatusHeight);

    auto *bar = new QLabel(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setGeometry(NavWidth, y, Width - NavWidth, StatusHeight);
    bar->setStyleSheet(QStringLiteral("background: #f4efe2; border-top: 1px solid #d8cfb8;"));

    m_contact = new QLabel(SiteTexts::Contact, this);
    m_contact->setAccessibleName(QStringLiteral("联系信息"));
    m_contact->setGeometry(NavWidth + 6, y, 265 - 6, StatusHeight);

    // The three panels are wider than the bar; the status line gives way to the clock.
    m_status = new QLabel(this);
    m_status->setAccessibleName(QStringLiteral("状态信息"));
    m_status->setStyleSheet(QStringLiteral("color: #ff0000; font-weight: bold;"));
    m_status->setGeometry(NavWidth + 265, y, Width - NavWidth - 265 - 193, StatusHeight);

    m_clock = new QLabel(this);
    m_clock->setAccessibleName(QStringLiteral("时钟"));
    m_clock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_clock->setGeometry(Width - 193, y, 193, StatusHeight);
}

void MainWindow::buildPages() {
    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("pageStack"));
    m_stack->setGeometry(NavWidth, TopHeight, Width - NavWidth, PageHeight);

    m_home = new HomePage(m_context, m_stack);
    m_entry = new EntryPage(m_context, m_stack);
    m_accounts = new AccountsPage(m_context, m_stack);
    m_categories = new CategoryPage(m_context, m_stack);
    m_loans = new LoansPage(m_context, m_stack);
    m_transfers = new TransfersPage(m_context, m_stack);
    m_journal = new JournalPage(m_context, m_stack);
    m_categoryReport = new CategoryReportPage(m_context, m_stack);
    m_personReport = new PersonReportPage(m_context, m_stack);
    m_tools = new ToolsPage(m_context, m_stack);
    m_budget = new BudgetPage(m_context, m_stack);
    m_settings = new SettingsPage(m_context, m_stack);
    m_statement = new StatementPage(m_context, m_stack);
    for (QWidget *page : std::initializer_list<QWidget *>{
             m_home, m_entry, m_accounts, m_categories, m_loans, m_transfers, m_journal,
             m_categoryReport, m_personReport, m_tools, m_budget, m_settings, m_statement})
        m_stack->addWidget(page);

    // Every list's context menu offers "导出CSV…".
    GridExport::offerOn(m_context, m_stack);
}

void MainWindow::buildRoutes() {
    using Nav = NavigationBar;
    const auto item = [this](Nav::Item which, Page *page, std::function<void()> before = {}) {
        m_itemRoutes[which] = {page, Highlight::Item, std::move(before)};
    };
    item(Nav::Expense, m_entry, [this] {
        m_contact->setText(SiteTexts::ExpenseTip);
        m_entry->setKind(EntryKind::Expense);
    });
    item(Nav::Income, m_entry, [this] { m_entry->setKind(EntryKind::Income); });
    item(Nav::Accounts, m_accounts);
    item(Nav::IncomeCategories, m_categories, [this] { m_categories->setKind(EntryKind::Income); });
    item(Nav::ExpenseCategories, m_categories,
         [this] { m_categories->setKind(EntryKind::Expense); });
    item(Nav::Loans, m_loans);
    item(Nav::Transfers, m_transfers);
    item(Nav::Journal, m_journal);
    item(Nav::CategoryReport, m_categoryReport);
    item(Nav::PersonReport, m_personReport);
    item(Nav::Budget, m_budget);
    item(Nav::Tools, m_tools);
    item(Nav::Settings, m_settings);

    m_linkRoutes[Desktop] = {m_home, Highlight::Clear, {}};
    m_linkRoutes[Diary] = {m_tools, Highlight::Clear,
                           [this] { m_tools->chooseTab(ToolsPage::Tab::Diary); }};
    m_linkRoutes[Calendar] = {m_tools, Highlight::Clear,
                              [this] { m_tools->chooseTab(ToolsPage::Tab::Calendar); }};
    m_linkRoutes[Print] = {m_statement, Highlight::Keep, {}};
    m_linkRoutes[Help] = {nullptr, Highlight::Keep,
                          [this] { m_context.shell.openUrl(SiteTexts::helpUrl()); }};
    m_linkRoutes[Exit] = {nullptr, Highlight::Keep, [this] { close(); }};
}

Page *MainWindow::currentPage() const {
    return dynamic_cast<Page *>(m_stack->currentWidget());
}

void MainWindow::go(const Route &route, NavigationBar::Item item) {
    ErrorPolicy::run(m_context.prompts, [&] {
        if (!route.page) {
            route.before();
            return;
        }
        // The page in front may hold changes the user wants to keep.
        if (Page *current = currentPage(); current && !current->leave())
            return;
        if (route.highlight != Highlight::Keep)
            m_nav->clearHighlight();
        if (route.highlight == Highlight::Item)
            m_nav->highlight(item);
        m_stack->setCurrentWidget(dynamic_cast<QWidget *>(route.page));
        if (route.before)
            route.before();
        route.page->enter();
    });
}

void MainWindow::navigate(NavigationBar::Item item) {
    if (item >= 0 && item < NavigationBar::ItemCount)
        go(m_itemRoutes[item], item);
}

void MainWindow::follow(Link link) {
    if (link >= 0 && link < LinkCount)
        go(m_linkRoutes[link], NavigationBar::ItemCount);
}

void MainWindow::updateClock() {
    const QDateTime now = m_context.clock.now();
    m_clock->setText(now.toString(QStringLiteral("yyyy-MM-dd H:mm:ss")) + QStringLiteral("   "));
}

void MainWindow::bannerClicked() {
    if (++m_bannerClicks > 11)
        m_status->setText(SiteTexts::Dedication);
}

void MainWindow::showEvent(QShowEvent *event) {
    setWindowTitle(SiteTexts::ShownCaption);
    QWidget::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (Page *current = currentPage(); current && !current->leave()) {
        event->ignore();
        return;
    }
    event->accept();
    emit closeRequested();
}

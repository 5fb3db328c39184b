#include "mainwin/main_window.h"

#include "accounts/accounts_page.h"
#include "widgets/art.h"
#include "budget/budget_page.h"
#include "categories/category_page.h"
#include "reports/category_report_page.h"
#include "widgets/clickable_label.h"
#include "store/database.h"
#include "store/dates.h"
#include "entry/entry_page.h"
#include "mainwin/home_page.h"
#include "reports/journal_page.h"
#include "accounts/loans_page.h"
#include "reports/person_report_page.h"
#include "core/services.h"
#include "tools/settings_page.h"
#include "mainwin/site_texts.h"
#include "reports/statement_page.h"
#include "ledger/tidy.h"
#include "tools/tools_page.h"
#include "accounts/transfers_page.h"

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

MainWindow::MainWindow(AppContext context)
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
    buildStatusBar();
    buildPages();

    // Creation, in order: the statement's title line, add mode, the clock, the date
    // pickers, the amount box, the home page, the calculator.
    m_statement->addTitleLine(SiteTexts::PrintTitle + m_statement->kindText() +
                              QStringLiteral("报表") + QStringLiteral("    ") + SiteTexts::Site);
    m_entry->setAddMode();
    updateClock();
    const QDate today = m_context.clock.today();
    const QDate firstOfMonth = Dates::firstOfMonth(today);
    m_entry->setInitialDates(today);
    m_transfers->setPeriod(firstOfMonth, today);
    m_journal->setPeriod(firstOfMonth, today);
    m_categoryReport->setPeriod(firstOfMonth, today);
    m_personReport->setPeriod(firstOfMonth, today);
    m_entry->alignAmountRight();
    follow(Desktop);
    m_entry->resetCalculator();

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
    m_home->setNavigationHooks([this] { m_nav->clearHighlight(); }, [this] { front(m_home); });
    m_entry = new EntryPage(m_context, m_stack);
    m_accounts = new AccountsPage(m_context, m_stack);
    m_categories = new CategoryPage(m_context, m_stack);
    m_loans = new LoansPage(m_context, m_stack);
    m_transfers = new TransfersPage(m_context, m_stack);
    connect(m_accounts, &AccountsPage::accountsChanged, m_transfers,
            &TransfersPage::reloadAccounts);
    connect(m_accounts, &AccountsPage::accountsChanged, m_loans, &LoansPage::reloadAccounts);
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
}

void MainWindow::front(QWidget *page) {
    m_stack->setCurrentWidget(page);
}

void MainWindow::highlightMain(NavigationBar::Item item) {
    m_nav->highlight(item);
}

void MainWindow::navigate(NavigationBar::Item item) {
    using Nav = NavigationBar;
    Database &db = m_context.db;
    const QDate today = m_context.clock.today();
    switch (item) {
    case Nav::Expense:
        m_nav->clearHighlight();
        highlightMain(item);
        m_contact->setText(SiteTexts::ExpenseTip);
        front(m_entry);
        m_entry->enter(QLatin1Char('Z'));
        break;
    case Nav::Income:
        m_nav->clearHighlight();
        highlightMain(item);
        front(m_entry);
        m_entry->enter(QLatin1Char('S'));
        break;
    case Nav::Accounts:
        front(m_accounts);
        CleanEntries(db);
        m_nav->clearHighlight();
        highlightMain(item);
        m_accounts->enter();
        break;
    case Nav::IncomeCategories:
        CleanCategories(db);
        front(m_categories);
        m_categories->enter(QLatin1Char('S'));
        m_nav->clearHighlight();
        m_nav->highlight(item);
        break;
    case Nav::ExpenseCategories:
        front(m_categories);
        CleanCategories(db);
        m_categories->enter(QLatin1Char('Z'));
        m_nav->clearHighlight();
        m_nav->highlight(item);
        break;
    case Nav::Loans:
        front(m_loans);
        m_nav->clearHighlight();
        m_nav->highlight(item);
        // A failure while loading the list is swallowed; the page stays in front.
        try {
            m_loans->loadBorrowed();
        } catch (const DbError &) {
        }
        break;
    case Nav::Transfers:
        m_nav->clearHighlight();
        front(m_transfers);
        m_nav->highlight(item);
        m_transfers->query();
        m_transfers->appendBlankRow();
        break;
    case Nav::Journal:
        CleanEntries(db);
        front(m_journal);
        m_nav->clearHighlight();
        m_nav->highlight(item);
        break;
    case Nav::CategoryReport:
        front(m_categoryReport);
        m_nav->clearHighlight();
        m_nav->highlight(item);
        break;
    case Nav::PersonReport:
        front(m_personReport);
        m_nav->clearHighlight();
        m_nav->highlight(item);
        m_personReport->enter(today);
        break;
    case Nav::Tools:
        front(m_tools);
        m_nav->clearHighlight();
        m_nav->highlight(item);
        m_tools->refresh(m_context.clock.now());
        break;
    case Nav::Budget:
        m_nav->clearHighlight();
        front(m_budget);
        m_budget->enter(today);
        m_nav->highlight(item);
        break;
    case Nav::Settings:
        // One guarded block: an error skips the rest and is swallowed.
        try {
            front(m_settings);
            m_settings->reloadUsers();
            m_nav->clearHighlight();
            m_nav->highlight(item);
        } catch (const DbError &) {
        }
        break;
    case Nav::ItemCount:
        break;
    }
}

void MainWindow::follow(Link link) {
    switch (link) {
    case Desktop:
        m_home->refresh();
        break;
    case Diary:
        front(m_tools);
        m_nav->clearHighlight();
        m_tools->showDiaryTab();
        m_tools->refresh(m_context.clock.now());
        break;
    case Calendar:
        front(m_tools);
        m_tools->showCalendarTab();
        m_nav->clearHighlight();
        m_tools->refresh(m_context.clock.now());
        break;
    case Print:
        front(m_statement);
        m_statement->load();
        break;
    case Help:
        m_context.shell.openUrl(SiteTexts::HelpUrl);
        break;
    case Exit:
        close();
        break;
    }
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
    event->accept();
    emit closeRequested();
}

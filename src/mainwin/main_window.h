#pragma once

#include "core/app_context.h"
#include "mainwin/navigation_bar.h"

#include <QWidget>
#include <functional>

class QLabel;
class QStackedWidget;
class QTimer;
class Page;
class HomePage;
class EntryPage;
class AccountsPage;
class CategoryPage;
class LoansPage;
class TransfersPage;
class JournalPage;
class CategoryReportPage;
class PersonReportPage;
class ToolsPage;
class BudgetPage;
class SettingsPage;
class StatementPage;

// TForm3: the one working window, with its bars, the clock and the stack of pages.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(const AppContext &context);
    ~MainWindow() override;

    // The top-bar links.
    enum Link { Desktop, Diary, Calendar, Print, Help, Exit, LinkCount };

    void navigate(NavigationBar::Item item);
    void follow(Link link);

    NavigationBar *navigationBar() const { return m_nav; }
    QStackedWidget *pageStack() const { return m_stack; }
    // The page in front.
    Page *currentPage() const;

signals:
    // The user closed the window: the program ends.
    void closeRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Where a navigation item or a top-bar link leads.
    enum class Highlight { Clear, Item, Keep };
    struct Route {
        Page *page = nullptr; // none: the link only acts
        Highlight highlight = Highlight::Clear;
        std::function<void()> before; // steps of the main window before the page's own
    };

    void buildTopBar();
    void buildStatusBar();
    void buildPages();
    void buildRoutes();
    void go(const Route &route, NavigationBar::Item item);
    void updateClock();
    void bannerClicked();

    AppContext m_context;
    NavigationBar *m_nav = nullptr;
    QStackedWidget *m_stack = nullptr;
    QLabel *m_contact = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_clock = nullptr;
    QTimer *m_clockTimer = nullptr;
    int m_bannerClicks = 0;

    HomePage *m_home = nullptr;
    EntryPage *m_entry = nullptr;
    AccountsPage *m_accounts = nullptr;
    CategoryPage *m_categories = nullptr;
    LoansPage *m_loans = nullptr;
    TransfersPage *m_transfers = nullptr;
    JournalPage *m_journal = nullptr;
    CategoryReportPage *m_categoryReport = nullptr;
    PersonReportPage *m_personReport = nullptr;
    ToolsPage *m_tools = nullptr;
    BudgetPage *m_budget = nullptr;
    SettingsPage *m_settings = nullptr;
    StatementPage *m_statement = nullptr;

    Route m_itemRoutes[NavigationBar::ItemCount];
    Route m_linkRoutes[LinkCount];
};

#pragma once

#include "core/app_context.h"
#include "mainwin/navigation_bar.h"

#include <QWidget>

class QLabel;
class QStackedWidget;
class QTimer;
class ClickableLabel;
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
    explicit MainWindow(AppContext context);
    ~MainWindow() override;

    // The top-bar links.
    enum Link { Desktop, Diary, Calendar, Print, Help, Exit };

    void navigate(NavigationBar::Item item);
    void follow(Link link);

    NavigationBar *navigationBar() const { return m_nav; }
    QStackedWidget *pageStack() const { return m_stack; }
    HomePage *homePage() const { return m_home; }

signals:
    // The user closed the window: the program ends.
    void closeRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildTopBar();
    void buildStatusBar();
    void buildPages();
    void updateClock();
    void bannerClicked();
    void front(QWidget *page);
    void highlightMain(NavigationBar::Item item);

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
};

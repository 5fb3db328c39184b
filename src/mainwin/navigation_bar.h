#pragma once

#include <QWidget>
#include <array>

class ClickableLabel;

// The left bar: three main items (highlighted by red text) and ten list items
// (highlighted by a lime background), over a background picture.
class NavigationBar : public QWidget {
    Q_OBJECT
public:
    enum Item {
        Expense,
        Income,
        Accounts,
        IncomeCategories,
        ExpenseCategories,
        Loans,
        Transfers,
        Journal,
        CategoryReport,
        PersonReport,
        Budget,
        Tools,
        Settings,
        ItemCount
    };

    explicit NavigationBar(QWidget *parent = nullptr);

    void clearHighlight();
    void highlight(Item item);

signals:
    void itemClicked(NavigationBar::Item item);
    // The web-site link at the foot of the bar.
    void webLinkClicked();

private:
    static bool isMainItem(Item item) { return item <= Accounts; }
    void paint(Item item, bool highlighted);

    std::array<ClickableLabel *, ItemCount> m_items{};
};

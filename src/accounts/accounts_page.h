#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>

class BatchTableModel;
class DataGrid;
class QChartView;
class QLabel;
class QTabWidget;
struct AppContext;

// 账户管理: the accounts with their totals, and pie charts of how money is spread.
class AccountsPage : public QWidget {
    Q_OBJECT
public:
    explicit AccountsPage(AppContext &context, QWidget *parent = nullptr);

    // Rebuilds the totals and reads the list again (the main window tidies the
    // entries first).
    void enter();

    QString selectedAccountId() const;
    QTabWidget *tabs() const { return m_tabs; }

signals:
    // Accounts were saved or deleted: lists of account names elsewhere read them again.
    void accountsChanged();

private:
    QWidget *buildListTab();
    QWidget *buildChartTab();
    void layoutGrid();
    void reload();
    void showCharts();
    void fillPies();
    void cellClicked();
    void addAccount();
    void deleteAccount();
    void save();

    struct Pie {
        QChartView *view = nullptr;
        QLabel *note = nullptr;
    };
    Pie makePie(QWidget *parent, const QString &name, const QString &title, const QRect &place);

    AppContext &m_context;
    QTabWidget *m_tabs = nullptr;
    QWidget *m_chartTab = nullptr;
    DataGrid *m_grid = nullptr;
    BatchTableModel *m_model = nullptr;
    QLabel *m_selectedId = nullptr; // the 编号 of the row last clicked, "0" for none
    Pie m_balancePie, m_incomePie, m_expensePie;
};

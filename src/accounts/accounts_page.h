#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>
#include <optional>

#include "widgets/page.h"

class BatchTableModel;
class DataGrid;
class QChartView;
class QLabel;
class QTabWidget;
#include "core/app_context.h"

// 账户管理: the accounts with their totals, and pie charts of how money is spread.
class AccountsPage : public QWidget, public Page {
    Q_OBJECT
public:
    explicit AccountsPage(const AppContext &context, QWidget *parent = nullptr);

    // Tidies the entries, rebuilds the totals and reads the list again.
    void enter() override;
    // Unsaved rows: asks whether to save them first.
    bool leave() override;

    // The saved account last clicked; none before a click, after a delete, or on a new row.
    std::optional<qint64> selectedAccountId() const;
    QTabWidget *tabs() const { return m_tabs; }

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
    // Writes the pending rows; on failure says why and gives false (rows stay pending).
    bool writeChanges();
    void tabChanged(int index);

    struct Pie {
        QChartView *view = nullptr;
        QLabel *note = nullptr;
    };
    Pie makePie(QWidget *parent, const QString &name, const QString &title, const QRect &place);

    AppContext m_context;
    QTabWidget *m_tabs = nullptr;
    QWidget *m_chartTab = nullptr;
    DataGrid *m_grid = nullptr;
    BatchTableModel *m_model = nullptr;
    std::optional<qint64> m_selectedId;
    Pie m_balancePie, m_incomePie, m_expensePie;
};

#pragma once

#include "core/app_context.h"
#include "widgets/page.h"

#include <QWidget>
#include <optional>

class DataGrid;
class MonthBarsChart;
class PeriodBar;
class QComboBox;
class QTabWidget;
class RowsModel;

// 人员报表: income and expense per member and month, as a list and as a chart, each tab
// with its own period and member.
class PersonReportPage : public QWidget, public Page {
    Q_OBJECT
public:
    explicit PersonReportPage(const AppContext &context, QWidget *parent = nullptr);

    // The list's period from the first of this month to today.
    void setUp() override;
    // The chart's period from 1 January to today and both member boxes filled anew;
    // neither tab is refreshed.
    void enter() override;
    // 刷新 on the list tab.
    void refreshList();
    // 刷新 on the chart tab, and every switch to it.
    void refreshChart();

    QTabWidget *tabs() const { return m_tabs; }

private:
    struct Bar {
        PeriodBar *period;
        QComboBox *member;
    };
    Bar makeBar(QWidget *tab);
    // The member chosen in the box; nothing for "全部用户".
    static std::optional<QString> chosenMember(const QComboBox *box);

    AppContext m_context;
    QTabWidget *m_tabs = nullptr;
    QWidget *m_chartTab = nullptr;
    Bar m_listBar{};
    Bar m_chartBar{};
    DataGrid *m_list = nullptr;
    RowsModel *m_listRows = nullptr;
    MonthBarsChart *m_chart = nullptr;
};

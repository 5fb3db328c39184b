#pragma once

#include "core/app_context.h"
#include "widgets/page.h"

#include <QWidget>
#include <optional>

class DiaryTab;
class PerpetualCalendar;
class QTabWidget;

// 实用工具: the perpetual calendar and the diary.
class ToolsPage : public QWidget, public Page {
    Q_OBJECT
public:
    explicit ToolsPage(const AppContext &context, QWidget *parent = nullptr);

    enum class Tab { Calendar, Diary };
    // The tab the next enter() shows; without a call the tab stays as it was.
    void chooseTab(Tab tab) { m_nextTab = tab; }
    // The calendar on today, the diary on this month, read again.
    void enter() override;
    // Asks before the diary's unsaved changes would be dropped.
    bool leave() override;

private:
    AppContext m_context;
    std::optional<Tab> m_nextTab;
    QTabWidget *m_tabs = nullptr;
    PerpetualCalendar *m_calendar = nullptr;
    DiaryTab *m_diary = nullptr;
};

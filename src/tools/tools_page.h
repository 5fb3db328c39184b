#pragma once

#include "core/app_context.h"
#include "widgets/page.h"

#include <QWidget>
#include <optional>
// 实用工具: the perpetual calendar and the diary.
class ToolsPage : public QWidget, public Page {
    Q_OBJECT
public:
    explicit ToolsPage(const AppContext &context, QWidget *parent = nullptr);

    enum class Tab { Calendar, Diary };
    // The tab the next enter() shows; without a call the tab stays as it was.
    void chooseTab(Tab tab) { m_nextTab = tab; }
    void enter() override;

private:
    AppContext m_context;
    std::optional<Tab> m_nextTab;
};

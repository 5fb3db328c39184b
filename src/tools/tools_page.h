#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>

struct AppContext;

// 实用工具
class ToolsPage : public QWidget {
    Q_OBJECT
public:
    explicit ToolsPage(AppContext &context, QWidget *parent = nullptr);

    void showDiaryTab();
    void showCalendarTab();
    void refresh(const QDateTime &now);

private:
    AppContext &m_context;
};

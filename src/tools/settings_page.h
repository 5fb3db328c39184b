#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>

struct AppContext;

// 系统设置
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPage(AppContext &context, QWidget *parent = nullptr);

    void reloadUsers();

private:
    AppContext &m_context;
};

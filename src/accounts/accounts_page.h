#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>

struct AppContext;

// 账户管理
class AccountsPage : public QWidget {
    Q_OBJECT
public:
    explicit AccountsPage(AppContext &context, QWidget *parent = nullptr);

    void enter();

private:
    AppContext &m_context;
};

#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>

struct AppContext;

// 预算设定
class BudgetPage : public QWidget {
    Q_OBJECT
public:
    explicit BudgetPage(AppContext &context, QWidget *parent = nullptr);

    void enter(const QDate &today);

private:
    AppContext &m_context;
};

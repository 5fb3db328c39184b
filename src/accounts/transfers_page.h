#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>

struct AppContext;

// 账户转账
class TransfersPage : public QWidget {
    Q_OBJECT
public:
    explicit TransfersPage(AppContext &context, QWidget *parent = nullptr);

    void setPeriod(const QDate &from, const QDate &to);
    void query();
    void appendBlankRow();

private:
    AppContext &m_context;
};

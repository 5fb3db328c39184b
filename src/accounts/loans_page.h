#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>

struct AppContext;

// 借入借出
class LoansPage : public QWidget {
    Q_OBJECT
public:
    explicit LoansPage(AppContext &context, QWidget *parent = nullptr);

    void loadBorrowed();

private:
    AppContext &m_context;
};

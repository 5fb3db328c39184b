#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>

struct AppContext;

// 人员报表
class PersonReportPage : public QWidget {
    Q_OBJECT
public:
    explicit PersonReportPage(AppContext &context, QWidget *parent = nullptr);

    void setPeriod(const QDate &from, const QDate &to);
    void enter(const QDate &today);

private:
    AppContext &m_context;
};

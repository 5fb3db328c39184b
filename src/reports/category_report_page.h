#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>

struct AppContext;

// 分类报表
class CategoryReportPage : public QWidget {
    Q_OBJECT
public:
    explicit CategoryReportPage(AppContext &context, QWidget *parent = nullptr);

    void setPeriod(const QDate &from, const QDate &to);

private:
    AppContext &m_context;
};

#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>

struct AppContext;

// 流水报表
class JournalPage : public QWidget {
    Q_OBJECT
public:
    explicit JournalPage(AppContext &context, QWidget *parent = nullptr);

    void setPeriod(const QDate &from, const QDate &to);

private:
    AppContext &m_context;
};

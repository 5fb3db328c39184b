#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>

struct AppContext;

// 打印报表
class StatementPage : public QWidget {
    Q_OBJECT
public:
    explicit StatementPage(AppContext &context, QWidget *parent = nullptr);

    void addTitleLine(const QString &line);
    QString kindText() const;
    void load();

private:
    AppContext &m_context;
};

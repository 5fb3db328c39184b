#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>

struct AppContext;

// 类别管理
class CategoryPage : public QWidget {
    Q_OBJECT
public:
    explicit CategoryPage(AppContext &context, QWidget *parent = nullptr);

    void enter(QChar kind);

private:
    AppContext &m_context;
};

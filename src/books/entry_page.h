#pragma once

#include <QDate>
#include <QDateTime>
#include <QWidget>

struct AppContext;

// 收支录入
class EntryPage : public QWidget {
    Q_OBJECT
public:
    explicit EntryPage(AppContext &context, QWidget *parent = nullptr);

    void setAddMode();
    void setInitialDates(const QDate &today);
    void alignAmountRight();
    void resetCalculator();
    void enter(QChar kind);

private:
    AppContext &m_context;
};

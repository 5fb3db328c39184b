#pragma once

#include <QDate>
#include <QWidget>

class QDateEdit;
class QHBoxLayout;
class QPushButton;

// The top bar of a report: "从" and "到", each with a date picker, then the page's own
// choices, then its button ("刷新", "查询").
class PeriodBar : public QWidget {
    Q_OBJECT
public:
    PeriodBar(const QString &buttonText, QWidget *parent = nullptr);

    QDate from() const;
    QDate to() const;
    void setPeriod(const QDate &from, const QDate &to);
    QPushButton *button() const { return m_button; }
    // Puts a choice of the page's between the pickers and the button.
    void addChoice(QWidget *widget);

private:
    QHBoxLayout *m_layout;
    QDateEdit *m_from;
    QDateEdit *m_to;
    QPushButton *m_button;
};

#include "reports/period_bar.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QDateEdit *picker(const QString &name, QWidget *parent) {
    auto *edit = new QDateEdit(parent);
    edit->setAccessibleName(name);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    // The skin's right padding sits beside the drop-down button, not under it: without
    // it the whole date fits in the 97 pixels.
    edit->setStyleSheet(QStringLiteral("QDateEdit { padding-right: 2px; }"));
    edit->setFixedSize(97, 25);
    return edit;
}

} // namespace

PeriodBar::PeriodBar(const QString &buttonText, QWidget *parent) : QWidget(parent) {
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(8, 7, 8, 7);
    m_layout->setSpacing(6);
    m_from = picker(QStringLiteral("从"), this);
    m_to = picker(QStringLiteral("到"), this);
    m_button = new QPushButton(buttonText, this);
    m_button->setFixedSize(75, 25);
    m_layout->addWidget(new QLabel(QStringLiteral("从"), this));
    m_layout->addWidget(m_from);
    m_layout->addSpacing(6);
    m_layout->addWidget(new QLabel(QStringLiteral("到"), this));
    m_layout->addWidget(m_to);
    m_layout->addSpacing(12);
    m_layout->addWidget(m_button);
    m_layout->addStretch(1);
}

QDate PeriodBar::from() const {
    return m_from->date();
}

QDate PeriodBar::to() const {
    return m_to->date();
}

void PeriodBar::setPeriod(const QDate &from, const QDate &to) {
    m_from->setDate(from);
    m_to->setDate(to);
}

void PeriodBar::addChoice(QWidget *widget) {
    m_layout->insertWidget(m_layout->indexOf(m_button), widget);
    m_layout->insertSpacing(m_layout->indexOf(m_button), 12);
}

#include "entry_page.h"

#include "app_context.h"

#include <QLabel>
#include <QVBoxLayout>

EntryPage::EntryPage(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("Panel3"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("收支录入"), this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
}

void EntryPage::setAddMode() {}

void EntryPage::setInitialDates(const QDate &/*today*/) {}

void EntryPage::alignAmountRight() {}

void EntryPage::resetCalculator() {}

void EntryPage::enter(QChar /*kind*/) {}

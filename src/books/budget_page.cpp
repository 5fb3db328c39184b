#include "budget_page.h"

#include "app_context.h"

#include <QLabel>
#include <QVBoxLayout>

BudgetPage::BudgetPage(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("budgetPage"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("预算设定"), this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
}

void BudgetPage::enter(const QDate &/*today*/) {}

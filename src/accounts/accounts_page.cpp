#include "accounts_page.h"

#include "app_context.h"

#include <QLabel>
#include <QVBoxLayout>

AccountsPage::AccountsPage(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("accountsPage"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("账户管理"), this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
}

void AccountsPage::enter() {}

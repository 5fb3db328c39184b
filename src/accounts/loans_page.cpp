#include "loans_page.h"

#include "app_context.h"

#include <QLabel>
#include <QVBoxLayout>

LoansPage::LoansPage(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("loansPage"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("借入借出"), this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
}

void LoansPage::loadBorrowed() {}

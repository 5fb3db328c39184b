#include "transfers_page.h"

#include "app_context.h"

#include <QLabel>
#include <QVBoxLayout>

TransfersPage::TransfersPage(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("transfersPage"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("账户转账"), this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
}

void TransfersPage::setPeriod(const QDate &/*from*/, const QDate &/*to*/) {}

void TransfersPage::query() {}

void TransfersPage::appendBlankRow() {}

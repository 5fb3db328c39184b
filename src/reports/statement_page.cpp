#include "reports/statement_page.h"

#include <QLabel>
#include <QVBoxLayout>

StatementPage::StatementPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("statementPage"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("打印报表"), this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
}

void StatementPage::setUp() {}

void StatementPage::enter() {}

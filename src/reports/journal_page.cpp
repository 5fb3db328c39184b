#include "reports/journal_page.h"

#include "core/app_context.h"

#include <QLabel>
#include <QVBoxLayout>

JournalPage::JournalPage(AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("journalPage"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("流水报表"), this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
}

void JournalPage::setPeriod(const QDate & /*from*/, const QDate & /*to*/) {}

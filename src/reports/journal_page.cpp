#include "reports/journal_page.h"

#include "ledger/tidy.h"

#include <QLabel>
#include <QVBoxLayout>

JournalPage::JournalPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("journalPage"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("流水报表"), this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
}

void JournalPage::setUp() {}

void JournalPage::enter() {
    CleanEntries(m_context.db);
}

#include "reports/person_report_page.h"

#include <QLabel>
#include <QVBoxLayout>

PersonReportPage::PersonReportPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("personReportPage"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("人员报表"), this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
}

void PersonReportPage::setUp() {}

void PersonReportPage::enter() {}

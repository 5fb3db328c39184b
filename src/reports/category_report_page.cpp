#include "reports/category_report_page.h"

#include <QLabel>
#include <QVBoxLayout>

CategoryReportPage::CategoryReportPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("categoryReportPage"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("分类报表"), this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
}

void CategoryReportPage::setUp() {}

void CategoryReportPage::enter() {}

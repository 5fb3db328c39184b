#include "reports/category_report_page.h"

#include "core/app_context.h"

#include <QLabel>
#include <QVBoxLayout>

CategoryReportPage::CategoryReportPage(AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("categoryReportPage"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("分类报表"), this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
}

void CategoryReportPage::setPeriod(const QDate & /*from*/, const QDate & /*to*/) {}

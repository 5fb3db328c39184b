#include "category_page.h"

#include "app_context.h"

#include <QLabel>
#include <QVBoxLayout>

CategoryPage::CategoryPage(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("Panel7"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("类别管理"), this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
}

void CategoryPage::enter(QChar /*kind*/) {}

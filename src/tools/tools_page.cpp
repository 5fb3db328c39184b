#include "tools/tools_page.h"

#include <QLabel>
#include <QVBoxLayout>

ToolsPage::ToolsPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("toolsPage"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("实用工具"), this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
}

void ToolsPage::enter() {
    m_nextTab.reset();
}

#include "tools/settings_page.h"

#include <QLabel>
#include <QVBoxLayout>

SettingsPage::SettingsPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("settingsPage"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("系统设置"), this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
}

void SettingsPage::enter() {}

#pragma once

#include "core/app_context.h"
#include "widgets/page.h"

#include <QWidget>

// 系统设置: users, backup and restore, the update check.
class SettingsPage : public QWidget, public Page {
    Q_OBJECT
public:
    explicit SettingsPage(const AppContext &context, QWidget *parent = nullptr);

    void enter() override;

private:
    AppContext m_context;
};

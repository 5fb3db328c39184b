#pragma once

#include "core/app_context.h"
#include "widgets/page.h"

#include <QWidget>

// 打印报表: a statement of income or expense, listed and printed.
class StatementPage : public QWidget, public Page {
    Q_OBJECT
public:
    explicit StatementPage(const AppContext &context, QWidget *parent = nullptr);

    void setUp() override;
    void enter() override;

private:
    AppContext m_context;
};

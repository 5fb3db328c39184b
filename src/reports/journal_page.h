#pragma once

#include "core/app_context.h"
#include "widgets/page.h"

#include <QWidget>

// 流水报表: income and expense by day over a period, with the entries of a day.
class JournalPage : public QWidget, public Page {
    Q_OBJECT
public:
    explicit JournalPage(const AppContext &context, QWidget *parent = nullptr);

    // The period from the first of this month to today.
    void setUp() override;
    // Tidies away entries whose category is gone.
    void enter() override;

private:
    AppContext m_context;
};

#pragma once

#include "core/app_context.h"
#include "widgets/page.h"

#include <QWidget>

// 人员报表: income and expense per member and month, as a list and as a chart.
class PersonReportPage : public QWidget, public Page {
    Q_OBJECT
public:
    explicit PersonReportPage(const AppContext &context, QWidget *parent = nullptr);

    void setUp() override;
    void enter() override;

private:
    AppContext m_context;
};

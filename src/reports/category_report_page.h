#pragma once

#include "core/app_context.h"
#include "widgets/page.h"

#include <QWidget>

// 分类报表: totals by top-level category over a period, with their sub-categories.
class CategoryReportPage : public QWidget, public Page {
    Q_OBJECT
public:
    explicit CategoryReportPage(const AppContext &context, QWidget *parent = nullptr);

    void setUp() override;
    void enter() override;

private:
    AppContext m_context;
};

#pragma once

#include "core/app_context.h"

#include <QGroupBox>

// "数据导入导出": bring in a payment bill or bank statement ("导入账单…"), and save every
// entry as a CSV file ("导出全部收支…").
class DataTransferGroup : public QGroupBox {
    Q_OBJECT
public:
    DataTransferGroup(const AppContext &context, QWidget *parent = nullptr);

private:
    void importBill();
    void exportAll();

    AppContext m_context;
};

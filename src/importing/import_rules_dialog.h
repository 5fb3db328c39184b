#pragma once

#include "core/app_context.h"

#include <QDialog>
#include <memory>

class BatchTableModel;
class DataGrid;
class LookupDelegate;
class LookupList;

// "分类规则": which category a bill's own classification (支付宝 交易分类, 微信 交易类型)
// proposes. Edited in place; 保存 writes every change at once, and closing with changes
// not saved asks first.
class ImportRulesDialog : public QDialog {
    Q_OBJECT
public:
    // Reads the rules. Throws DbError.
    ImportRulesDialog(const AppContext &context, QWidget *parent);
    ~ImportRulesDialog() override;

    void done(int result) override;

private:
    void addRule();
    void deleteRule();
    bool save();

    AppContext m_context;
    std::shared_ptr<LookupList> m_categories;
    BatchTableModel *m_model;
    DataGrid *m_grid;
    LookupDelegate *m_picker;
};

#include "importing/import_rules_dialog.h"

#include "core/captions.h"
#include "core/error_policy.h"
#include "core/questions.h"
#include "core/services.h"
#include "ledger/batch_table_model.h"
#include "ledger/import_books.h"
#include "ledger/lookup_list.h"
#include "widgets/data_grid.h"
#include "widgets/lookup_delegate.h"
#include "widgets/page_parts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

ImportRulesDialog::ImportRulesDialog(const AppContext &context, QWidget *parent)
    : QDialog(parent), m_context(context),
      m_categories(std::make_shared<LookupList>(context.db, ImportBooks::ruleCategoriesSelect())) {
    setObjectName(QStringLiteral("importRules"));
    setWindowTitle(QStringLiteral("分类规则"));
    resize(420, 420);

    m_model = new BatchTableModel(m_context.db, this);
    ImportBooks::configureRules(*m_model);
    PageParts::reportRefusedValues(*m_model, m_context.prompts);
    m_categories->reload();
    m_model->load();

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("rulesGrid"));
    m_grid->setCurrentRowHighlight(true);
    m_grid->setModel(m_model);
    m_picker = new LookupDelegate(m_categories, m_grid);
    m_grid->applyColumns({{.field = "id", .hidden = true},
                          {.field = "账单分类", .width = 190},
                          {.field = "项目", .width = 190}});
    m_grid->setColumnDelegate(m_grid->column(QStringLiteral("项目")), m_picker);

    auto *hint =
        new QLabel(QStringLiteral("账单里的分类（支付宝的交易分类、微信的交易类型）对应的项目。"
                                  "以前导入过的交易对方优先用上次的项目。"),
                   this);
    hint->setWordWrap(true);
    auto *add = new QPushButton(QStringLiteral("增加"), this);
    auto *remove = new QPushButton(QStringLiteral("删除"), this);
    auto *save = new QPushButton(QStringLiteral("保存"), this);
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {add, remove, save})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    ErrorPolicy::connect(add, &QPushButton::clicked, this, m_context.prompts,
                         &ImportRulesDialog::addRule);
    ErrorPolicy::connect(remove, &QPushButton::clicked, this, m_context.prompts,
                         &ImportRulesDialog::deleteRule);
    ErrorPolicy::connect(save, &QPushButton::clicked, this, m_context.prompts, [this] {
        m_grid->commitEdit();
        // As on every list: OK saves the batch, Cancel gives it up.
        if (Questions::confirmSave(m_context.prompts))
            this->save();
        else
            m_model->cancel();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

ImportRulesDialog::~ImportRulesDialog() = default;

void ImportRulesDialog::addRule() {
    const int row = m_model->appendRow();
    m_grid->setCurrentRow(row);
    m_grid->view()->scrollToBottom();
}

void ImportRulesDialog::deleteRule() {
    const int row = m_grid->currentRow();
    if (row >= 0)
        m_model->deleteRow(row);
}

bool ImportRulesDialog::save() {
    m_grid->commitEdit();
    const BatchTableModel::SaveResult result = m_model->save();
    if (!result.ok) {
        m_context.prompts.inform(
            Captions::system(),
            ErrorPolicy::messageWithReason(QStringLiteral("对不起，规则没有保存：分类不能为空"),
                                           result.engineText),
            Prompts::Icon::Error);
        return false;
    }
    return true;
}

void ImportRulesDialog::done(int result) {
    m_grid->commitEdit();
    bool leave = true;
    ErrorPolicy::run(m_context.prompts, [&] {
        leave = PageParts::mayLeave(
            m_context.prompts, m_model->hasPendingChanges(), [this] { return save(); },
            [this] { m_model->cancel(); });
    });
    if (leave)
        QDialog::done(result);
}

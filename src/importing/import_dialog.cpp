#include "importing/import_dialog.h"

#include "core/captions.h"
#include "core/error_policy.h"
#include "core/services.h"
#include "importing/category_search.h"
#include "importing/csv_mapping_box.h"
#include "importing/grid_export.h"
#include "importing/import_preview_model.h"
#include "importing/import_rules_dialog.h"
#include "ledger/entry_queries.h"
#include "ledger/import_books.h"
#include "ledger/lookup_list.h"
#include "widgets/data_grid.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QLabel *label(const QString &text, QWidget *buddy) {
    auto *l = new QLabel(text);
    l->setBuddy(buddy);
    return l;
}

QComboBox *comboBox(const QString &name, int width) {
    auto *box = new QComboBox;
    box->setObjectName(name);
    box->setAccessibleName(name);
    box->setMinimumWidth(width);
    return box;
}

// Bills of a payment service go to the household's account of that name, if it keeps one.
int accountFor(const std::vector<LookupList::Entry> &accounts, BillFileKind kind) {
    const QString hint = kind == BillFileKind::Alipay ? QStringLiteral("支付宝")
                         : kind == BillFileKind::WeChatCsv || kind == BillFileKind::WeChatXlsx
                             ? QStringLiteral("微信")
                             : QString();
    for (size_t i = 0; !hint.isEmpty() && i < accounts.size(); ++i) {
        if (accounts[i].name.contains(hint))
            return int(i);
    }
    return 0;
}

} // namespace

ImportDialog::ImportDialog(const AppContext &context, BillFile file, QWidget *parent)
    : QDialog(parent), m_context(context), m_file(std::move(file)),
      m_accounts(std::make_unique<LookupList>(context.db, EntryQueries::accountsSelect())),
      m_members(std::make_unique<LookupList>(context.db, EntryQueries::membersSelect())) {
    setObjectName(QStringLiteral("importDialog"));
    setWindowTitle(QStringLiteral("导入账单"));
    resize(940, 620);

    auto *layout = new QVBoxLayout(this);
    auto *fileLabel =
        new QLabel(QStringLiteral("文件：%1（%2）")
                       .arg(QFileInfo(m_file.path).fileName(), billFileKindText(m_file.kind)),
                   this);
    fileLabel->setObjectName(QStringLiteral("fileLabel"));
    layout->addWidget(fileLabel);
    if (m_file.kind == BillFileKind::GenericCsv) {
        m_mapping = new CsvMappingBox(m_file.bytes, this);
        layout->addWidget(m_mapping);
    }
    buildGrid();
    layout->addWidget(m_grid, 1);
    layout->addWidget(buildChoices());

    m_accounts->reload();
    m_members->reload();
    for (const LookupList::Entry &e : m_accounts->entries())
        m_account->addItem(e.name, e.id);
    for (const LookupList::Entry &e : m_members->entries())
        m_member->addItem(e.name, e.id);
    m_account->setCurrentIndex(accountFor(m_accounts->entries(), m_file.kind));

    if (m_mapping) {
        readMappedRows();
        ErrorPolicy::connect(m_mapping, &CsvMappingBox::changed, this, m_context.prompts,
                             &ImportDialog::readMappedRows);
    } else {
        showRows(std::move(m_file.rows));
    }
    targetChanged();
    connect(m_account, &QComboBox::currentIndexChanged, this, &ImportDialog::targetChanged);
    connect(m_member, &QComboBox::currentIndexChanged, this, &ImportDialog::targetChanged);
}

ImportDialog::~ImportDialog() {
    // The model points into the plan, which goes before the widgets do.
    m_model->setPlan(nullptr);
}

void ImportDialog::buildGrid() {
    m_model = new ImportPreviewModel(this);
    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("importGrid"));
    m_grid->setReadOnly(true);
    m_grid->view()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->view()->installEventFilter(this);
    m_grid->setModel(m_model);
    connect(m_grid, &DataGrid::currentRowChanged, this, &ImportDialog::currentRowChanged);
    connect(m_grid, &DataGrid::cellClicked, this, [this](int row, int column) {
        if (column == ImportPreviewModel::Include)
            toggle({row});
    });
    GridExport::offerOn(m_context, this);
}

QWidget *ImportDialog::buildChoices() {
    auto *box = new QWidget(this);
    m_category = new QLineEdit;
    m_category->setObjectName(QStringLiteral("项目"));
    m_category->setAccessibleName(QStringLiteral("项目"));
    m_category->setPlaceholderText(QStringLiteral("名称或助记码"));
    m_category->setFixedWidth(150);
    m_search = new CategorySearch(m_context.db, m_category, this);
    ErrorPolicy::connect(m_search, &CategorySearch::picked, this, m_context.prompts,
                         &ImportDialog::categoryPicked);
    m_account = comboBox(QStringLiteral("账户"), 120);
    m_member = comboBox(QStringLiteral("收付款人"), 100);
    m_defaultExpense = comboBox(QStringLiteral("其余支出"), 120);
    m_defaultIncome = comboBox(QStringLiteral("其余收入"), 120);

    auto *rowLine = new QHBoxLayout;
    rowLine->addWidget(label(QStringLiteral("选中行的项目："), m_category));
    rowLine->addWidget(m_category);
    rowLine->addSpacing(16);
    rowLine->addWidget(label(QStringLiteral("其余支出归入："), m_defaultExpense));
    rowLine->addWidget(m_defaultExpense);
    rowLine->addWidget(label(QStringLiteral("其余收入归入："), m_defaultIncome));
    rowLine->addWidget(m_defaultIncome);
    rowLine->addStretch();

    auto *allLine = new QHBoxLayout;
    allLine->addWidget(label(QStringLiteral("全部记入账户："), m_account));
    allLine->addWidget(m_account);
    allLine->addWidget(label(QStringLiteral("收付款人："), m_member));
    allLine->addWidget(m_member);
    allLine->addSpacing(16);
    m_summary = new QLabel;
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setAccessibleName(QStringLiteral("汇总"));
    allLine->addWidget(m_summary, 1);
    auto *rules = new QPushButton(QStringLiteral("分类规则…"));
    auto *import = new QPushButton(QStringLiteral("导入"));
    import->setDefault(false);
    import->setAutoDefault(false);
    auto *cancel = new QPushButton(QStringLiteral("取消"));
    cancel->setAutoDefault(false);
    rules->setAutoDefault(false);
    allLine->addWidget(rules);
    allLine->addWidget(import);
    allLine->addWidget(cancel);

    auto *lines = new QVBoxLayout(box);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->addLayout(rowLine);
    lines->addLayout(allLine);

    ErrorPolicy::connect(rules, &QPushButton::clicked, this, m_context.prompts,
                         &ImportDialog::editRules);
    ErrorPolicy::connect(import, &QPushButton::clicked, this, m_context.prompts,
                         &ImportDialog::importRows);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_defaultExpense, &QComboBox::currentIndexChanged, this,
            [this] { defaultChosen(EntryKind::Expense, m_defaultExpense); });
    connect(m_defaultIncome, &QComboBox::currentIndexChanged, this,
            [this] { defaultChosen(EntryKind::Income, m_defaultIncome); });
    return box;
}

void ImportDialog::readMappedRows() {
    const BillReadResult read = readGenericCsv(m_mapping->records(), m_mapping->mapping());
    m_readError = read.error;
    showRows(read.rows);
}

void ImportDialog::showRows(QList<BillRow> rows) {
    auto plan = std::make_unique<ImportPlan>(ImportPlan::build(m_context.db, std::move(rows)));
    m_model->setPlan(plan.get());
    m_plan = std::move(plan);
    m_grid->applyColumns({
        {.field = "导入", .width = 40},
        {.field = "行", .width = 40},
        {.field = "日期", .width = 82, .format = ColumnFormat::Date},
        {.field = "收支", .width = 60},
        {.field = "金额", .width = 80, .format = ColumnFormat::Currency},
        {.field = "备注", .width = 200},
        {.field = "项目", .width = 76},
        {.field = "账户", .width = 70},
        {.field = "收付款人", .width = 64},
        {.field = "状态", .width = 200},
    });
    fillDefaults();
    targetChanged();
    m_grid->setCurrentRow(0);
    currentRowChanged(m_grid->currentRow());
    updateSummary();
}

void ImportDialog::fillDefaults() {
    m_filling = true;
    for (auto [kind, box] : {std::pair(EntryKind::Expense, m_defaultExpense),
                             std::pair(EntryKind::Income, m_defaultIncome)}) {
        box->clear();
        for (const ImportBooks::Category &c : m_plan->categories()) {
            if (c.kind == kind)
                box->addItem(c.name, c.id);
        }
        const std::optional<qint64> chosen = m_plan->defaultCategory(kind);
        box->setCurrentIndex(chosen ? box->findData(*chosen) : -1);
    }
    m_filling = false;
}

void ImportDialog::currentRowChanged(int row) {
    m_search->hideList();
    const bool takesCategory = m_plan && row >= 0 && row < m_plan->rows().size() &&
                               m_plan->row(row).kind &&
                               m_plan->row(row).state != ImportState::Imported;
    m_category->setEnabled(takesCategory);
    if (!takesCategory) {
        m_category->clear();
        return;
    }
    const ImportRow &current = m_plan->row(row);
    m_search->setKind(*current.kind);
    const ImportBooks::Category *c =
        current.categoryId ? m_plan->category(*current.categoryId) : nullptr;
    m_category->setText(c ? c->name : QString());
}

QList<int> ImportDialog::selectedRows() const {
    QList<int> rows;
    if (QItemSelectionModel *selection = m_grid->view()->selectionModel()) {
        for (const QModelIndex &index : selection->selectedRows())
            rows << index.row();
    }
    if (rows.isEmpty() && m_grid->currentRow() >= 0)
        rows << m_grid->currentRow();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ImportDialog::categoryPicked(const QString &name) {
    const int current = m_grid->currentRow();
    if (current < 0 || !m_plan->row(current).kind)
        return;
    const EntryKind kind = *m_plan->row(current).kind;
    std::optional<qint64> id;
    for (const ImportBooks::Category &c : m_plan->categories()) {
        if (c.kind == kind && c.name.compare(name, Qt::CaseInsensitive) == 0)
            id = c.id;
    }
    if (!id)
        return;
    // Every selected row of the same kind takes it.
    for (int row : selectedRows()) {
        if (m_plan->setCategory(row, *id))
            m_model->refreshRow(row);
    }
    m_category->setText(name);
    updateSummary();
}

void ImportDialog::toggle(const QList<int> &rows) {
    if (rows.isEmpty() || !m_plan)
        return;
    // All to the opposite of the first that can change.
    std::optional<bool> include;
    for (int row : rows) {
        if (!m_plan->canInclude(row))
            continue;
        if (!include)
            include = !m_plan->row(row).included;
        m_plan->setIncluded(row, *include);
        m_model->refreshRow(row);
    }
    updateSummary();
}

void ImportDialog::targetChanged() {
    m_model->setTargetNames(m_account->currentText(), m_member->currentText());
}

void ImportDialog::defaultChosen(EntryKind kind, QComboBox *box) {
    if (m_filling || !m_plan)
        return;
    const QVariant id = box->currentData();
    m_plan->setDefaultCategory(kind, id.isValid() ? std::optional<qint64>(id.toLongLong())
                                                  : std::nullopt);
    m_model->refreshAll();
    currentRowChanged(m_grid->currentRow());
}

void ImportDialog::editRules() {
    auto *rules = new ImportRulesDialog(m_context, this);
    rules->setAttribute(Qt::WA_DeleteOnClose);
    rules->setWindowModality(Qt::ApplicationModal);
    ErrorPolicy::connect(rules, &QDialog::finished, this, m_context.prompts, [this] {
        m_plan->reloadRules(m_context.db);
        m_model->refreshAll();
        currentRowChanged(m_grid->currentRow());
    });
    rules->show();
}

void ImportDialog::importRows() {
    m_search->hideList();
    const auto refuse = [this](const QString &text) {
        m_context.prompts.inform(Captions::system(), text, Prompts::Icon::Error);
    };
    if (m_account->currentIndex() < 0)
        return refuse(QStringLiteral("对不起，请选择账户"));
    if (m_member->currentIndex() < 0)
        return refuse(QStringLiteral("对不起，请选择收付款人"));
    if (m_plan->counts().included == 0)
        return refuse(QStringLiteral("没有要导入的行：请勾选要导入的行"));
    if (const std::optional<int> row = m_plan->firstIncludedWithoutCategory()) {
        m_grid->setCurrentRow(*row);
        return refuse(
            QStringLiteral("第%1行还没有项目，请先选择项目").arg(m_plan->row(*row).bill.line));
    }
    const ImportBooks::WriteResult result = ImportBooks::write(
        m_context.db, m_plan->entries(), m_account->currentData(), m_member->currentData());
    QString text = QStringLiteral("成功导入%1条收支").arg(result.written);
    if (result.alreadyThere > 0)
        text += QStringLiteral("；%1条此前已导入，没有重复记入").arg(result.alreadyThere);
    m_context.prompts.inform(Captions::system(), text, Prompts::Icon::None);
    accept();
}

void ImportDialog::updateSummary() {
    if (!m_readError.isEmpty()) {
        m_summary->setText(m_readError);
        return;
    }
    const ImportPlan::Counts c = m_plan->counts();
    QString text = QStringLiteral("共%1行：新%2").arg(m_plan->rows().size()).arg(c.newRows);
    if (c.possible)
        text += QStringLiteral("，可能重复%1").arg(c.possible);
    if (c.imported)
        text += QStringLiteral("，已导入%1").arg(c.imported);
    if (c.skipped)
        text += QStringLiteral("，跳过%1").arg(c.skipped);
    if (c.refused)
        text += QStringLiteral("，无法读取%1").arg(c.refused);
    m_summary->setText(text + QStringLiteral("。将导入%1行").arg(c.included));
}

bool ImportDialog::eventFilter(QObject *watched, QEvent *event) {
    // Space ticks or clears the selected rows, as it does a check box.
    if (watched == m_grid->view() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        ErrorPolicy::run(m_context.prompts, [this] { toggle(selectedRows()); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

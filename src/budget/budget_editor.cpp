#include "budget/budget_editor.h"

#include "core/app_context.h"
#include "core/error_policy.h"
#include "core/questions.h"
#include "core/services.h"
#include "widgets/data_grid.h"
#include "widgets/lookup_delegate.h"
#include "widgets/text_cell_delegate.h"

#include <QVBoxLayout>

namespace {

constexpr int RemarkLength = 50; // what y_x holds

} // namespace

BudgetEditor::BudgetEditor(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context),
      m_categories(std::make_shared<LookupList>(
          context.db, QStringLiteral("select id,f_name as 项目名称 from s_fenlei "
                                     "where f_id=0 and f_class='Z'"))),
      m_model(context.db) {
    m_model.setTable(QStringLiteral("s_yushuan"));
    m_model.setQuery(QStringLiteral("select * from s_yushuan"));
    m_model.setColumnKind(QStringLiteral("y_money"), BatchTableModel::Kind::Money);
    m_model.setColumnKind(QStringLiteral("y_x"), BatchTableModel::Kind::Text);
    m_model.setColumnReadOnly(QStringLiteral("f_id"));
    const std::shared_ptr<LookupList> categories = m_categories;
    m_model.addComputedColumn(
        QStringLiteral("项目名称"),
        [categories](const BatchTableModel &model, int row) -> QVariant {
            const QString name = categories->nameFor(model.value(row, QStringLiteral("f_id")));
            return name.isEmpty() ? QVariant() : QVariant(name);
        },
        0);

    m_grid = new DataGrid(this);
    m_grid->setRowHeight(22);
    m_grid->setFitColumnsToWidth(true);
    m_grid->setModel(&m_model);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);

    // Leaving a row writes it, as a grid posts the row it leaves.
    ErrorPolicy::connect(m_grid, &DataGrid::currentRowChanged, this, m_context.prompts,
                         [this] { writePending(); });
    // Shown once the editor has closed: a box that opens while it is still committing
    // would take its focus and have it commit a second time.
    connect(
        &m_model, &BatchTableModel::invalidValue, this,
        [this](int, int, const QString &message) { refuse(message); }, Qt::QueuedConnection);
}

void BudgetEditor::reload() {
    // Reading afresh would drop amounts that could not be written; keep them instead.
    if (!writePending())
        return;
    m_categories->reload();
    m_model.load();
    configureGrid();
}

void BudgetEditor::configureGrid() {
    for (const char *hidden : {"id", "f_id"})
        if (const int c = m_model.column(QString::fromUtf8(hidden)); c >= 0)
            m_grid->setColumnHidden(c);
    if (const int c = m_model.column(QStringLiteral("项目名称")); c >= 0)
        m_grid->setColumnReadOnly(c);
    if (const int c = m_model.column(QStringLiteral("y_money")); c >= 0) {
        m_grid->setHeading(c, QStringLiteral("预算金额"));
        m_grid->setColumnFormat(c, ColumnFormat::Currency);
    }
    if (const int c = m_model.column(QStringLiteral("y_x")); c >= 0) {
        m_grid->setHeading(c, QStringLiteral("备注信息"));
        if (!m_remark)
            m_remark = new TextCellDelegate(RemarkLength, this);
        m_grid->setColumnDelegate(c, m_remark);
    }
}

bool BudgetEditor::writePending() {
    // An amount still in its cell editor (the page entered again from itself) is written
    // too, not dropped with the editor.
    m_grid->commitEdit();
    if (!m_model.hasPendingChanges())
        return true;
    const BatchTableModel::SaveResult result = m_model.save();
    if (!result.ok)
        m_context.prompts.inform(Captions::system(),
                                 QStringLiteral("预算没有保存：") + result.engineText,
                                 Prompts::Icon::Error);
    return result.ok;
}

bool BudgetEditor::hasPending() {
    m_grid->commitEdit();
    return m_model.hasPendingChanges();
}

void BudgetEditor::dropPending() {
    m_model.cancel();
}

void BudgetEditor::refuse(const QString &message) {
    m_context.prompts.inform(Captions::system(), message, Prompts::Icon::Error);
}

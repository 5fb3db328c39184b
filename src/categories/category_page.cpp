#include "categories/category_page.h"

#include "core/app_context.h"
#include "core/error_policy.h"
#include "core/questions.h"
#include "core/services.h"
#include "ledger/category_store.h"
#include "ledger/tidy.h"
#include "store/database.h"
#include "widgets/data_grid.h"
#include "widgets/page_parts.h"
#include "widgets/text_cell_delegate.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <functional>

namespace {

constexpr int TopLevelWidth = 249;
constexpr int NameLength = 50; // what the name column holds

} // namespace

CategoryPage::CategoryPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context), m_lists(context.db) {
    setObjectName(QStringLiteral("Panel7"));

    m_topGrid = new DataGrid(this);
    m_topGrid->setObjectName(QStringLiteral("DBGridEh4"));
    m_topGrid->setFixedWidth(TopLevelWidth);
    m_topGrid->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_topGrid->setModel(&m_lists.topLevel());

    m_subGrid = new DataGrid(this);
    m_subGrid->setObjectName(QStringLiteral("DBGridEh5"));
    m_subGrid->setModel(&m_lists.subCategories());

    for (DataGrid *grid : {m_topGrid, m_subGrid}) {
        grid->setRowHeight(22);
        grid->setFitColumnsToWidth(true);
        grid->setCurrentRowHighlight(true);
    }

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->setSpacing(6);
    auto *bar = new QHBoxLayout;
    bar->setSpacing(8);
    bar->addWidget(buildButtons(Side::TopLevel, 29));
    bar->addWidget(buildButtons(Side::SubCategories, 32), 1);
    outer->addLayout(bar);
    auto *grids = new QHBoxLayout;
    grids->setSpacing(8);
    grids->addWidget(m_topGrid);
    grids->addWidget(m_subGrid, 1);
    outer->addLayout(grids, 1);

    ErrorPolicy::connect(m_topGrid, &DataGrid::currentRowChanged, this, m_context.prompts,
                         &CategoryPage::topLevelRowChanged);
    ErrorPolicy::connect(m_topGrid, &DataGrid::mousePressed, this, m_context.prompts,
                         [this] { m_lists.fillTopLevelKeys(m_topGrid->currentRow()); });
    ErrorPolicy::connect(m_subGrid, &DataGrid::mousePressed, this, m_context.prompts,
                         [this] { m_lists.fillSubCategoryKeys(m_subGrid->currentRow()); });
}

QWidget *CategoryPage::buildButtons(Side side, int firstNumber) {
    auto *box = new QWidget(this);
    if (side == Side::TopLevel)
        box->setFixedWidth(TopLevelWidth);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    const struct {
        const char *caption;
        std::function<void()> action;
    } buttons[] = {
        {"增加", [this, side] { addRow(side); }},
        {"删除", [this, side] { side == Side::TopLevel ? deleteTopLevel() : deleteSubCategory(); }},
        {"保存", [this, side] { save(side); }},
    };
    int number = firstNumber;
    for (const auto &b : buttons) {
        auto *button = new QPushButton(QString::fromUtf8(b.caption), box);
        button->setObjectName(QStringLiteral("Button%1").arg(number++));
        button->setFixedSize(72, 26);
        ErrorPolicy::connect(button, &QPushButton::clicked, this, m_context.prompts, b.action);
        row->addWidget(button);
    }
    row->addStretch(1);
    return box;
}

// Column settings are by position, so they are set once the lists have their columns.
void CategoryPage::configureGrids() {
    BatchTableModel &top = m_lists.topLevel();
    BatchTableModel &sub = m_lists.subCategories();
    for (const char *key : {"id", "f_class"})
        if (const int c = top.column(QString::fromUtf8(key)); c >= 0)
            m_topGrid->setColumnHidden(c);
    for (const char *key : {"id", "f_id", "f_class"})
        if (const int c = sub.column(QString::fromUtf8(key)); c >= 0)
            m_subGrid->setColumnHidden(c);

    if (const int c = top.column(QStringLiteral("项目大类")); c >= 0 && !m_topName) {
        m_topName = new TextCellDelegate(NameLength, this);
        m_topGrid->setColumnDelegate(c, m_topName);
    }
    if (const int c = sub.column(QStringLiteral("项目名称")); c >= 0 && !m_subName) {
        m_subName = new TextCellDelegate(NameLength, this);
        m_subName->setTextEdited(
            [this](int row, const QString &text) { m_lists.subCategoryNameTyped(row, text); });
        m_subName->setEditOpened([this](int row) { m_lists.subCategoryNameEditOpened(row); });
        m_subName->setEditAbandoned([this](int row) { m_lists.subCategoryNameEditAbandoned(row); });
        m_subGrid->setColumnDelegate(c, m_subName);
    }
}

void CategoryPage::enter() {
    CleanCategories(m_context.db);
    m_lists.setKind(m_nextKind);
    reopen();
}

// The top-level list from its first row, and the sub-categories of that row as they are
// stored: the empty row that moving to a row without sub-categories adds is not wanted
// here.
void CategoryPage::reopen() {
    m_lists.loadTopLevel();
    configureGrids();
    m_topGrid->setCurrentRow(0);
    showSubCategoriesOf(m_lists.topIdAt(0));
}

void CategoryPage::showSubCategoriesOf(const QVariant &topId) {
    m_lists.showSubCategoriesOf(topId);
    configureGrids();
    m_subGrid->setCurrentRow(0);
}

// Moving to another top-level row lists its sub-categories; a row without any gets an
// empty one at once, ready for the first name.
void CategoryPage::topLevelRowChanged(int row) {
    if (m_quiet || row < 0)
        return;
    try {
        showSubCategoriesOf(m_lists.topIdAt(row));
        if (m_lists.subCategories().rowCount() == 0)
            addRow(Side::SubCategories);
    } catch (const DbError &) {
    }
}

void CategoryPage::addRow(Side side) {
    BatchTableModel &model = side == Side::TopLevel ? m_lists.topLevel() : m_lists.subCategories();
    DataGrid *grid = side == Side::TopLevel ? m_topGrid : m_subGrid;
    grid->commitEdit();
    const int row = model.appendRow();
    grid->setCurrentRow(row);
}

void CategoryPage::save(Side side) {
    const bool topLevel = side == Side::TopLevel;
    BatchTableModel &model = topLevel ? m_lists.topLevel() : m_lists.subCategories();
    (topLevel ? m_topGrid : m_subGrid)->commitEdit();
    if (Questions::confirmSave(m_context.prompts)) {
        writeChanges(side);
        return;
    }
    model.cancel();
    if (topLevel)
        putTopLevelRowBack();
    else
        m_subGrid->setCurrentRow(0);
    CleanCategories(m_context.db);
}

bool CategoryPage::writeChanges(Side side) {
    const bool topLevel = side == Side::TopLevel;
    BatchTableModel &model = topLevel ? m_lists.topLevel() : m_lists.subCategories();
    Database &db = m_context.db;

    // A failed save keeps every pending row as it was, so the user can mend the
    // offending one and save again.
    bool saved = false;
    QString reason;
    if (!hasUnfilledNewRow(model)) {
        const BatchTableModel::SaveResult result = model.save();
        saved = result.ok;
        reason = result.engineText;
    }
    if (!saved)
        m_context.prompts.inform(Captions::application(),
                                 ErrorPolicy::messageWithReason(
                                     QStringLiteral("错误！不能有空行和重复的项目名称。"), reason),
                                 Prompts::Icon::None);
    if (saved && topLevel) {
        CategoryStore::addMissingBudgetRows(db);
        // A top-level row saved just now has its id: its sub-categories can be filed.
        if (m_lists.currentTopId().isNull())
            m_lists.adoptTopId(m_lists.topIdAt(m_topGrid->currentRow()));
    }
    CleanCategories(db);
    return saved;
}

bool CategoryPage::leave() {
    m_topGrid->commitEdit();
    m_subGrid->commitEdit();
    const QString topName = QStringLiteral("项目大类"), subName = QStringLiteral("项目名称");
    const bool topChanged = hasTypedChanges(m_lists.topLevel(), topName);
    const bool subChanged = hasTypedChanges(m_lists.subCategories(), subName);
    // Top level first: a sub-category can only be filed under a saved top-level row.
    return PageParts::mayLeave(
        m_context.prompts, topChanged || subChanged,
        [&] {
            return (!topChanged || writeChanges(Side::TopLevel)) &&
                   (!subChanged || writeChanges(Side::SubCategories));
        },
        [this] {
            m_lists.topLevel().cancel();
            m_lists.subCategories().cancel();
        });
}

// After the list is put back as stored, the grid shows the row whose sub-categories are
// listed, without listing them again (that would drop their pending changes).
void CategoryPage::putTopLevelRowBack() {
    const QVariant id = m_lists.currentTopId();
    BatchTableModel &top = m_lists.topLevel();
    m_quiet = true;
    for (int row = 0; row < top.rowCount(); ++row)
        if (!id.isNull() && top.value(row, QStringLiteral("id")) == id)
            m_topGrid->setCurrentRow(row);
    m_quiet = false;
}

void CategoryPage::deleteTopLevel() {
    const int row = m_topGrid->currentRow();
    if (row < 0)
        return;
    const QVariant id = m_lists.topIdAt(row);
    if (CategoryStore::isDefault(id)) {
        m_context.prompts.inform(Captions::system(), QStringLiteral("对不起，系统默认项，不能删除"),
                                 Prompts::Icon::Error);
        return;
    }
    if (!Questions::confirmDelete(m_context.prompts))
        return;
    // A row not saved yet has nothing stored to delete; listing again drops it.
    if (!id.isNull())
        CategoryStore::deleteTopLevel(m_context.db, id);
    reopen();
}

void CategoryPage::deleteSubCategory() {
    const int row = m_subGrid->currentRow();
    const QVariant id =
        row < 0 ? QVariant() : m_lists.subCategories().value(row, QStringLiteral("id"));
    if (id.isNull())
        return;
    if (!Questions::confirmDelete(m_context.prompts))
        return;
    CategoryStore::deleteSubCategory(m_context.db, id);
    if (m_lists.topLevel().rowCount() > 0)
        showSubCategoriesOf(m_lists.topIdAt(std::max(m_topGrid->currentRow(), 0)));
}

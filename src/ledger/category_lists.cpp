#include "ledger/category_lists.h"

#include "ledger/quick_code.h"

namespace {

const char *TopLevelQuery = "select id,f_class,f_name as 项目大类 from s_fenlei "
                            "where f_id=0 and f_class=:fenlei order by id";
const char *SubCategoryQuery = "select id,f_id,f_class,f_name as 项目名称,f_pinyin as 快速代码 "
                               "from s_fenlei where f_id=:fid order by id";

} // namespace

CategoryLists::CategoryLists(Database &db) : m_top(db), m_sub(db) {
    m_top.setTable(QStringLiteral("s_fenlei"));
    m_top.setBaseColumn(QStringLiteral("项目大类"), QStringLiteral("f_name"));
    m_top.setColumnKind(QStringLiteral("f_class"), BatchTableModel::Kind::Text);
    m_top.setQuery(QString::fromUtf8(TopLevelQuery));

    m_sub.setTable(QStringLiteral("s_fenlei"));
    m_sub.setBaseColumn(QStringLiteral("项目名称"), QStringLiteral("f_name"));
    m_sub.setBaseColumn(QStringLiteral("快速代码"), QStringLiteral("f_pinyin"));
    m_sub.setColumnKind(QStringLiteral("f_id"), BatchTableModel::Kind::Integer);
    m_sub.setColumnKind(QStringLiteral("f_class"), BatchTableModel::Kind::Text);
    m_sub.setQuery(QString::fromUtf8(SubCategoryQuery));
}

bool hasUnfilledNewRow(const BatchTableModel &list) {
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.isNew(row) && !list.isRowPending(row))
            return true;
    return false;
}

bool hasTypedChanges(const BatchTableModel &list, const QString &nameColumn) {
    for (int row = 0; row < list.rowCount(); ++row) {
        if (!list.isRowPending(row))
            continue;
        if (!list.isNew(row) || !list.value(row, nameColumn).toString().isEmpty())
            return true;
    }
    return false;
}

void CategoryLists::setKind(EntryKind kind) {
    m_kind = kind;
}

QVariant CategoryLists::topIdAt(int row) const {
    if (row < 0 || row >= m_top.rowCount())
        return {};
    return m_top.value(row, QStringLiteral("id"));
}

void CategoryLists::loadTopLevel() {
    m_top.setParams({{"fenlei", entryKindLetter(m_kind)}});
    m_top.load();
}

void CategoryLists::showSubCategoriesOf(const QVariant &topId) {
    m_topId = topId.isNull() ? QVariant() : topId;
    m_editedRow = -1;
    m_sub.setParams({{"fid", m_topId}});
    m_sub.load();
}

void CategoryLists::fillTopLevelKeys(int row) {
    if (!m_top.isNew(row))
        return;
    // f_id is left to the column's default, 0: a top-level row.
    m_top.setValue(row, QStringLiteral("f_class"), entryKindLetter(m_kind));
}

void CategoryLists::fillSubCategoryKeys(int row) {
    // Without a saved top-level row there is nothing to file the row under; left
    // without a kind, it is cleared away after the save like any row that lacks one,
    // instead of turning into a top-level category.
    if (!m_sub.isNew(row) || m_topId.isNull())
        return;
    m_sub.setValue(row, QStringLiteral("f_id"), m_topId);
    m_sub.setValue(row, QStringLiteral("f_class"), entryKindLetter(m_kind));
}

void CategoryLists::subCategoryNameTyped(int row, const QString &name) {
    if (row < 0 || row >= m_sub.rowCount())
        return;
    const QString code = quickCodeFor(name);
    if (!code.isEmpty())
        m_sub.setValue(row, QStringLiteral("快速代码"), code);
}

void CategoryLists::subCategoryNameEditOpened(int row) {
    m_editedRow = row;
    m_codeBeforeEdit = m_sub.value(row, QStringLiteral("快速代码"));
}

void CategoryLists::subCategoryNameEditAbandoned(int row) {
    if (row != m_editedRow || row < 0 || row >= m_sub.rowCount())
        return;
    if (m_sub.value(row, QStringLiteral("快速代码")) != m_codeBeforeEdit)
        m_sub.setValue(row, QStringLiteral("快速代码"), m_codeBeforeEdit);
    m_editedRow = -1;
}

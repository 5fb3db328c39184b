#pragma once

#include "ledger/category_lists.h"
#include "widgets/page.h"

#include <QWidget>

#include "core/app_context.h"
class DataGrid;
class TextCellDelegate;

// 类别管理: the top-level categories of one kind on the left, the sub-categories of the
// current one on the right, each list edited in place and saved on its own.
class CategoryPage : public QWidget, public Page {
    Q_OBJECT

public:
    explicit CategoryPage(const AppContext &context, QWidget *parent = nullptr);

    // The kind the next enter() shows.
    void setKind(EntryKind kind) { m_nextKind = kind; }
    void enter() override;
    // Unsaved names in either list: asks whether to save them first.
    bool leave() override;

private:
    enum class Side { TopLevel, SubCategories };

    QWidget *buildButtons(Side side, int firstNumber);
    void configureGrids();
    void reopen();
    void showSubCategoriesOf(const QVariant &topId);
    void topLevelRowChanged(int row);
    void putTopLevelRowBack();

    void addRow(Side side);
    void save(Side side);
    // Writes one list's pending rows (and what follows a save); on failure says why and
    // gives false, the rows staying pending.
    bool writeChanges(Side side);
    void deleteTopLevel();
    void deleteSubCategory();

    AppContext m_context;
    CategoryLists m_lists;
    DataGrid *m_topGrid = nullptr;
    DataGrid *m_subGrid = nullptr;
    TextCellDelegate *m_topName = nullptr;
    TextCellDelegate *m_subName = nullptr;
    EntryKind m_nextKind = EntryKind::Expense;
    bool m_quiet = false; // moving the current row from code, not by the user
};

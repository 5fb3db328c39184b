#pragma once

#include "ledger/batch_table_model.h"
#include "store/entry_kind.h"

#include <QChar>
#include <QVariant>

class Database;

// A row added and never typed into or clicked: the model leaves such a row out of a save,
// but on the category page it is an empty row that the user sees, and refused as one.
bool hasUnfilledNewRow(const BatchTableModel &list);

// Whether the list holds changes the user made: a saved row changed, or a new row given
// a name. A new row that only received its keys from a click is not one.
bool hasTypedChanges(const BatchTableModel &list, const QString &nameColumn);

// The two lists of the category page and the state that ties them together: the kind of
// category shown ("S" income, "Z" expense) and the top-level category whose
// sub-categories are listed. Both lists keep their changes pending until saved.
class CategoryLists {
public:
    explicit CategoryLists(Database &db);

    BatchTableModel &topLevel() { return m_top; }
    BatchTableModel &subCategories() { return m_sub; }

    EntryKind kind() const { return m_kind; }
    void setKind(EntryKind kind);

    // NULL while there is no top-level row, or the current one is not saved yet.
    QVariant currentTopId() const { return m_topId; }
    QVariant topIdAt(int row) const;

    // Re-read a list; both drop the list's pending changes. Throw DbError.
    void loadTopLevel();
    void showSubCategoriesOf(const QVariant &topId);
    // The current top-level row was just saved and has its id now.
    void adoptTopId(const QVariant &topId) { m_topId = topId; }

    // What a mouse press in a grid gives the row: the keys a new row needs, which the
    // user never types. Saved rows keep theirs.
    void fillTopLevelKeys(int row);
    void fillSubCategoryKeys(int row);

    // The quick code follows the name as it is typed; a name that gives no code (Latin
    // letters, digits) leaves the code as it was.
    void subCategoryNameTyped(int row, const QString &name);
    // Typing that is given up (Escape) leaves the name as it was, so the code goes back
    // to what it was when the editing began.
    void subCategoryNameEditOpened(int row);
    void subCategoryNameEditAbandoned(int row);

private:
    EntryKind m_kind = EntryKind::Expense;
    QVariant m_topId;
    int m_editedRow = -1;
    QVariant m_codeBeforeEdit;
    BatchTableModel m_top;
    BatchTableModel m_sub;
};

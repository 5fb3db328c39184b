#pragma once

#include "store/entry_kind.h"

#include <QObject>

class Database;
class DataGrid;
class QLineEdit;
class RowsModel;

// The entry page's way of finding a category, for another field: every change typed
// into the field lists the sub-categories of the kind whose name followed by its quick
// code contains the text ("cy" finds 餐饮费), in a list that floats above the field. A
// click on a listed name, or Enter for the first, picks it; Escape closes the list.
class CategorySearch : public QObject {
    Q_OBJECT
public:
    // The list is made a child of listParent, over which it floats.
    CategorySearch(Database &db, QLineEdit *field, QWidget *listParent);

    void setKind(EntryKind kind) { m_kind = kind; }
    void hideList();
    DataGrid *list() const { return m_list; }

signals:
    void picked(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search(const QString &text);
    void pick(int row);

    Database &m_db;
    QLineEdit *m_field;
    DataGrid *m_list;
    RowsModel *m_rows;
    EntryKind m_kind = EntryKind::Expense;
};

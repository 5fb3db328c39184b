#pragma once

#include "ledger/entry_queries.h"

#include <QGroupBox>

class DataGrid;
class QComboBox;
class RowsModel;

// "项目列表": the list that drops below the entry page's category field while the user
// looks for a category, with a chooser of the top-level categories above it.
class CategoryListBox : public QGroupBox {
    Q_OBJECT
public:
    explicit CategoryListBox(QWidget *parent = nullptr);

    // id, f_name rows. The chosen category stays chosen if it is still listed.
    void setTopCategories(const QueryRows &rows);
    // 项目 助记码 f_id rows; f_id is kept but not shown.
    void showRows(const QueryRows &rows);

    DataGrid *grid() const { return m_grid; }
    QComboBox *chooser() const { return m_chooser; }

signals:
    void topCategoryChosen(qint64 id);
    // A listed category was clicked: its name and its top-level category's id.
    void categoryClicked(const QString &name, const QVariant &topId);

private:
    QComboBox *m_chooser;
    DataGrid *m_grid;
    RowsModel *m_model;
};

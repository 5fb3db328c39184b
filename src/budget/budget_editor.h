#pragma once

#include "ledger/batch_table_model.h"

#include <QWidget>
#include <memory>

#include "core/app_context.h"
class DataGrid;
class LookupList;
class TextCellDelegate;

// The budget amounts and remarks, one row per top-level expense category, edited in
// place. A changed row is written when the user leaves it; one still pending when the
// user leaves the tab or the page is asked about (BudgetPage::leave). Rows are neither
// added nor removed here (the category page does that).
class BudgetEditor : public QWidget {
    Q_OBJECT

public:
    explicit BudgetEditor(const AppContext &context, QWidget *parent = nullptr);

    // Writes what is still pending, then reads the rows and the category names afresh.
    // Throws DbError.
    void reload();
    // Writes the rows changed so far, with what is still in a cell editor; false (and the
    // user told) when that failed.
    bool writePending();
    // An amount or remark not written yet, counting one still in a cell editor.
    bool hasPending();
    // Drops what was not written yet.
    void dropPending();

    DataGrid *grid() const { return m_grid; }

private:
    void configureGrid();
    void refuse(const QString &message);

    AppContext m_context;
    std::shared_ptr<LookupList> m_categories;
    BatchTableModel m_model;
    DataGrid *m_grid;
    TextCellDelegate *m_remark = nullptr;
};

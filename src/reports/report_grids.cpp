#include "reports/report_grids.h"

#include "ledger/rows_model.h"
#include "widgets/data_grid.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace ReportGrids {

DataGrid *make(QWidget *parent, RowsModel *model, const QStringList &fields) {
    model->setRows({fields, {}});
    auto *grid = new DataGrid(parent);
    grid->setReadOnly(true);
    grid->setRowHeight(22);
    grid->setModel(model);
    grid->setFooterLabel(QStringLiteral("总计："));
    return grid;
}

DataGrid *makeIn(QGroupBox *box, RowsModel *model, const QStringList &fields) {
    DataGrid *grid = make(box, model, fields);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(grid);
    return grid;
}

} // namespace ReportGrids

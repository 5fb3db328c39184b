#pragma once

#include <QStringList>

class DataGrid;
class QGroupBox;
class QWidget;
class RowsModel;

// The lists of the report pages.
namespace ReportGrids {

// A read-only list of whole rows over the model, with the yellow footer "总计：". The
// model starts with the given columns and no rows, so the headings show before the
// first refresh.
DataGrid *make(QWidget *parent, RowsModel *model, const QStringList &fields);
// The same, filling a group box under its title.
DataGrid *makeIn(QGroupBox *box, RowsModel *model, const QStringList &fields);

} // namespace ReportGrids

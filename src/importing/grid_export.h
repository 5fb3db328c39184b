#pragma once

#include "core/app_context.h"

#include <QString>
#include <functional>

class CsvWriter;
class DataGrid;
class QWidget;

// Lists saved as CSV files: a grid's rows as shown, and every entry of the books.
namespace GridExport {

// The grid's rows as the user sees them, headings first: the visible columns in their
// order, amounts as plain decimals, dates as YYYY-MM-DD (with the time when it is not
// midnight). The footer of sums is not a row and is left out.
void write(const DataGrid &grid, CsvWriter &writer);

// Asks where to save (suggesting name.csv in the home folder), writes through write(),
// replacing a file only once it is complete, and says how it went.
void saveAs(const AppContext &context, const QString &name,
            const std::function<qint64(CsvWriter &writer)> &write);

// Every DataGrid under root offers "导出CSV…" in its context menu.
void offerOn(const AppContext &context, QWidget *root);

} // namespace GridExport

#pragma once

#include <QString>
#include <functional>
#include <optional>

class BatchTableModel;
class DataGrid;
class Prompts;
class QDateEdit;
class QPushButton;
class QWidget;

// Pieces the three account pages share.
namespace PageParts {

// A period picker (从 or 到), 97 by 25 pixels at (x, 8), showing yyyy-MM-dd with a
// calendar that drops down.
QDateEdit *periodPicker(QWidget *parent, const QString &name, int x);

// A tool-bar button, 75 by 25 pixels, at the given place.
QPushButton *toolButton(const QString &text, QWidget *parent, int x, int y);

// Shows a refused value (an amount that is not a number, a date that is not a date)
// with its reason. The message waits until the cell editor has closed, so the box never
// opens in the middle of the editor's own focus handling.
void reportRefusedValues(BatchTableModel &model, Prompts &prompts);

// Columns keep their set widths, so a long amount or a date with a time can be cut
// short; hovering over such a cell shows it whole.
void showCutTextOnHover(DataGrid *grid);

// The saved id of the grid's current row once the user agreed to delete it ("是否确定删除？"
// with the id behind it). Nothing, and no question, for a blank or unsaved row.
std::optional<qint64> confirmedDeleteOfCurrentRow(DataGrid &grid, BatchTableModel &model,
                                                  Prompts &prompts);

// Leaving a list that holds unsaved changes: asks "数据已修改，是否保存？". Yes runs save
// (which says itself why it failed and gives false), No runs drop, Cancel stays. True when
// the user may go on; without pending changes, true at once and nothing is asked.
bool mayLeave(Prompts &prompts, bool pending, const std::function<bool()> &save,
              const std::function<void()> &drop);

} // namespace PageParts

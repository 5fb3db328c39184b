#pragma once

#include <QString>

class BatchTableModel;
class DataGrid;
class Prompts;
class QPushButton;
class QWidget;

// Pieces the three account pages share.
namespace PageParts {

// A tool-bar button, 75 by 25 pixels, at the given place.
QPushButton *toolButton(const QString &text, QWidget *parent, int x, int y);

// Shows a refused value (an amount that is not a number, a date that is not a date)
// with its reason. The message waits until the cell editor has closed, so the box never
// opens in the middle of the editor's own focus handling.
void reportRefusedValues(BatchTableModel &model, Prompts &prompts);

// Columns keep their set widths, so a long amount or a date with a time can be cut
// short; hovering over such a cell shows it whole.
void showCutTextOnHover(DataGrid *grid);

// The caption of every box these pages show.
QString caption();

} // namespace PageParts

#pragma once

#include "widgets/lookup_delegate.h"

class DataGrid;

// The account column of the loans grid: every row shows a drop-down button, the list
// shows each account's number and name under column titles, and typing into the cell
// opens the list at once (the key starts the search in it).
class AccountPicker : public LookupDelegate {
    Q_OBJECT

public:
    AccountPicker(std::shared_ptr<LookupList> list, DataGrid *grid);

    // The model column whose rows get a button; -1 for none.
    void setColumn(int column);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;

private:
    class Buttons;
    Buttons *m_buttons;
};

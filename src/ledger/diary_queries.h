#pragma once

#include <QDate>
#include <QString>

class BatchTableModel;

// The diary's month list: notes of one month from `notebook`, edited in a batch model.
namespace DiaryQueries {

// The years the diary offers; a note dated outside them could never be listed again.
constexpr int FirstYear = 1901;
constexpr int LastYear = 2099;

// The list's field names: the key, the date shown as "日期", the text.
inline QString idField() {
    return QStringLiteral("id");
}
inline QString dateField() {
    return QStringLiteral("日期");
}
inline QString textField() {
    return QStringLiteral("n_info");
}

// Table, select and column kinds of the month list.
void configureMonthList(BatchTableModel &model);
// Reads the notes of one month, oldest first; drops every pending change. Throws DbError.
void loadMonth(BatchTableModel &model, int year, int month);

// The date a new note starts with: the calendar's day when it lies in the month shown,
// else the first day of that month.
QDate newNoteDate(int year, int month, const QDate &calendarDay);
// Appends a note dated by newNoteDate(); gives its row.
int appendNote(BatchTableModel &model, int year, int month, const QDate &calendarDay);

struct WriteResult {
    bool ok = true;
    int row = -1;    // the row to mend, -1 when the failure is not one row's
    QString message; // fit to show the user
};
// Writes every pending change in one transaction. A note without a date, or dated outside
// the years above, is refused before anything is written; a failure of the database
// rolls back and keeps every change pending.
WriteResult write(BatchTableModel &model);

} // namespace DiaryQueries

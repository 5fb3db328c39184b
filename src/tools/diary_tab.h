#pragma once

#include "core/app_context.h"

#include <QDate>
#include <QWidget>

class BatchTableModel;
class ClickableLabel;
class DataGrid;
class PresetSpinBox;
class QPlainTextEdit;
class QPushButton;

// 日记本: the notes of one month in a list that shows their dates, the selected note's
// text beside it, and a context menu to add, edit, save and delete. Changes stay pending
// in the list until a save or a delete writes them all in one transaction.
class DiaryTab : public QWidget {
    Q_OBJECT

public:
    explicit DiaryTab(const AppContext &context, QWidget *parent = nullptr);

    // Sets the year and month boxes and runs "查询".
    void showMonth(int year, int month);
    // Before the notes shown are dropped: asks about unsaved changes (Yes saves, No
    // drops them, Cancel keeps them). True when the caller may go on.
    bool mayDropChanges();
    // The day selected in the perpetual calendar, for the date of a new note.
    void setCalendarDay(const QDate &day) { m_calendarDay = day; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void query();
    void load(int year, int month);
    void addNote();
    void editNotes();
    void saveNotes();
    void deleteNote();
    // Writes the pending changes; says why when it cannot. True when all were written.
    bool write();
    void setEditable(bool editable);
    void showCurrentText();
    void textEdited();
    void openMenu(QWidget *area, const QPoint &position);

    AppContext m_context;
    PresetSpinBox *m_year = nullptr;
    PresetSpinBox *m_month = nullptr;
    QPushButton *m_query = nullptr;
    DataGrid *m_list = nullptr;
    BatchTableModel *m_model = nullptr;
    QPlainTextEdit *m_text = nullptr;
    ClickableLabel *m_hint = nullptr;
    int m_shownYear = 0;
    int m_shownMonth = 0;
    QDate m_calendarDay;
    bool m_editable = true;
    bool m_showingText = false;
};

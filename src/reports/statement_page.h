#pragma once

#include "core/app_context.h"
#include "printout/print_settings.h"
#include "widgets/page.h"

#include <QWidget>

class DataGrid;
class QComboBox;
class QDateEdit;
class StatementModel;
struct PrintTexts;

// 打印报表: the income or the expense entries of a period, for every member or one, in
// date order, printed as a statement through a print preview or written to a PDF.
class StatementPage : public QWidget, public Page {
    Q_OBJECT
public:
    explicit StatementPage(const AppContext &context, QWidget *parent = nullptr);
    ~StatementPage() override;

    // The line printed above the grid, made once with the window.
    void setUp() override;
    // Members refilled, income, 1 January to today; the list stays as it was.
    void enter() override;

    DataGrid *grid() const { return m_grid; }
    QString title() const { return m_title; }
    // The print settings in use, kept for the run.
    const PrintSettings &printSettings() const { return m_settings; }

private:
    void query();
    void layoutGrid();
    void showPreview();
    void exportPdf();
    PrintTexts printTexts() const;

    AppContext m_context;
    QDateEdit *m_from;
    QDateEdit *m_to;
    QComboBox *m_member;
    QComboBox *m_kind;
    DataGrid *m_grid;
    StatementModel *m_model;
    QString m_title;
    PrintSettings m_settings;
};

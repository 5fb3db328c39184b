#pragma once

#include "core/printing.h"
#include "printout/table_printout.h"

#include <QDate>
#include <QString>

struct AppContext;
class StatementModel;

// What the statement page and its preview share when the statement goes to paper or
// to a PDF file.
namespace StatementOutput {

// The words of the printout: the page header names what the list holds ("支出对账单
// 2026-01-01 至 2026-12-09 全部用户"), the title line is the page's, the date today's.
PrintTexts texts(const StatementModel &model, const QString &title, const QDate &today);

// Where a PDF is offered to go first: 对账单_YYYY-MM-DD.pdf in the home folder.
QString suggestedPdfPath(const QDate &today);

// Asks where to write the PDF, writes it and says where it went (or why it could not).
// Nothing is written when the user cancels or progress asks to stop.
void exportPdf(const AppContext &context, const PrintJob &job,
               const PrintService::Progress &progress = {});

// The message when the preview cannot be prepared or printing fails.
QString printerMissingText();

} // namespace StatementOutput

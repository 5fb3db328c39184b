#pragma once

#include <QByteArray>
#include <QStringList>

class Session;

// The steps about printing: the scripted default printer, what it printed, and the
// PDF files the program wrote. args are the words after the step's name.
namespace PrintSteps {

// printer none | printer NAME
void printer(Session &session, const QStringList &args);
// expect printed-pages N
void printedPages(Session &session, const QStringList &args);
// expect printed-text PAGE TEXT
void printedText(Session &session, const QStringList &args);
// expect pdf-pages PATH N
void pdfPages(Session &session, const QStringList &args);

// The pages of a PDF file: its page objects, counted.
int pdfPageCount(const QByteArray &pdf);

} // namespace PrintSteps

#include "app/desktop_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QUrl>
#include <algorithm>

namespace {
QMessageBox::Icon boxIcon(Prompts::Icon icon) {
    switch (icon) {
    case Prompts::Icon::None:
        return QMessageBox::NoIcon;
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    case Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case Prompts::Icon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

int run(const QString &caption, const QString &text, Prompts::Icon icon,
        QMessageBox::StandardButtons buttons) {
    QWidget *parent = QApplication::activeWindow();
    QMessageBox box(boxIcon(icon), caption, text, buttons, parent);
    // The login window stays on top of everything; its messages must not hide under it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec();
}
} // namespace

void MessageBoxPrompts::inform(const QString &caption, const QString &text, Icon icon) {
    run(caption, text, icon, QMessageBox::Ok);
}

bool MessageBoxPrompts::confirm(const QString &caption, const QString &text, Icon icon) {
    return run(caption, text, icon, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

Prompts::Answer MessageBoxPrompts::ask(const QString &caption, const QString &text) {
    switch (run(caption, text, Icon::Question,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString MessageBoxPrompts::openFileName(const QString &caption, const QString &folder,
                                        const QString &filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, folder, filter);
}

QString MessageBoxPrompts::saveFileName(const QString &caption, const QString &suggestedPath,
                                        const QString &filter) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggestedPath,
                                        filter);
}

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

void DesktopShell::openUrl(const QString &url) {
    QDesktopServices::openUrl(QUrl(url));
}

bool DesktopShell::startProgram(const QString &program) {
    return QProcess::startDetached(program, {});
}

namespace {
// Pages are laid out from the paper's corner: the printer's own margins do not shift them.
void setPaper(QPrinter &printer, const Paper &paper) {
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(paper.millimetres, QPageSize::Millimeter));
    printer.setPageOrientation(paper.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}
} // namespace

QString SystemPrinters::defaultPrinter() const {
    return QPrinterInfo::defaultPrinter().printerName();
}

PrintService::Result SystemPrinters::print(const PrintJob &job, const Progress &progress) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return Result::Failed;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(job.name());
    setPaper(printer, job.paper());
    const int count = job.pageCount();
    printer.setFromTo(1, count);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setMinMax(1, count);
    if (dialog.exec() != QDialog::Accepted)
        return Result::Cancelled;
    int first = 1, last = count;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::clamp(printer.fromPage(), 1, count);
        last = std::clamp(printer.toPage(), first, count);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return Result::Failed;
    for (int page = first; page <= last; ++page) {
        if (page > first && !printer.newPage())
            return Result::Failed;
        job.paintPage(painter, page);
        if (progress && !progress(page)) {
            printer.abort();
            return Result::Stopped;
        }
    }
    painter.end();
    return printer.printerState() == QPrinter::Error ? Result::Failed : Result::Printed;
}

bool SystemPrinters::setUpPrinter(Paper &paper) {
    QPrinter printer(QPrinterInfo::defaultPrinter());
    setPaper(printer, paper);
    QPageSetupDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QPageLayout chosen = printer.pageLayout();
    paper.millimetres = chosen.pageSize().size(QPageSize::Millimeter);
    paper.landscape = chosen.orientation() == QPageLayout::Landscape;
    return true;
}

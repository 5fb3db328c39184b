#pragma once

#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;

// The sheet a printout is laid out on: its size standing upright, and which way it is
// turned.
struct Paper {
    QSizeF millimetres{210, 297}; // A4
    bool landscape = false;

    // Width and height as the sheet lies.
    QSizeF orientedMillimetres() const {
        return landscape ? millimetres.transposed() : millimetres;
    }
};

// A document laid out on pages, drawn one page at a time when a printer or a preview
// asks for it.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    // The name of the job in the printer's queue and the title of a PDF.
    virtual QString name() const = 0;
    virtual Paper paper() const = 0;
    virtual int pageCount() const = 0;
    // Draws page (1-based) on a painter that is active on a device of the job's paper,
    // with the origin at the paper's top-left corner; the job scales itself to the
    // device's resolution.
    virtual void paintPage(QPainter &painter, int page) const = 0;
};

// The machine's printers, as the program uses them.
class PrintService {
public:
    enum class Result { Printed, Cancelled, Stopped, Failed };
    // After each page printed; false stops the job.
    using Progress = std::function<bool(int page)>;

    virtual ~PrintService() = default;
    // The default printer's name; empty when the machine has none.
    virtual QString defaultPrinter() const = 0;
    // The system's print dialog for the default printer, then the chosen pages to the
    // chosen printer.
    virtual Result print(const PrintJob &job, const Progress &progress) = 0;
    // The system's printer dialog ("打印机设置"): the user may choose another paper and
    // orientation. True, with paper changed, when the user accepted.
    virtual bool setUpPrinter(Paper &paper) = 0;
};

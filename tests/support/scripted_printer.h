#pragma once

#include "core/printing.h"

#include <QList>
#include <QStringList>

// A printer that keeps, page by page, the text each page of a print job shows. It is the
// default printer named 测试打印机 until told there is none.
class ScriptedPrinter : public PrintService {
public:
    static QString defaultName() { return QStringLiteral("测试打印机"); }

    QString defaultPrinter() const override { return m_name; }
    // Prints every page at once, as if the user had accepted the print dialog.
    Result print(const PrintJob &job, const Progress &progress) override;
    // Leaves the paper as it is, as if the user had cancelled the printer dialog.
    bool setUpPrinter(Paper &paper) override;

    // The default printer; an empty name for a machine without one.
    void setDefaultPrinter(const QString &name) { m_name = name; }
    // The lines of text of each page of the last print job.
    const QList<QStringList> &lastPrint() const { return m_pages; }
    int jobs() const { return m_jobs; }

private:
    QString m_name = defaultName();
    QList<QStringList> m_pages;
    int m_jobs = 0;
};

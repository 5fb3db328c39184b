#include "scripted_printer.h"

#include "text_recording_device.h"

#include <QPainter>
#include <cmath>

PrintService::Result ScriptedPrinter::print(const PrintJob &job, const Progress &progress) {
    if (m_name.isEmpty())
        return Result::Failed;
    ++m_jobs;
    m_pages.clear();
    const QSizeF mm = job.paper().orientedMillimetres();
    const QSize pixels(int(std::lround(mm.width() / 25.4 * 96)),
                       int(std::lround(mm.height() / 25.4 * 96)));
    for (int page = 1; page <= job.pageCount(); ++page) {
        TextRecordingDevice sheet(pixels);
        QPainter painter(&sheet);
        job.paintPage(painter, page);
        painter.end();
        m_pages << sheet.lines();
        if (progress && !progress(page))
            return Result::Stopped;
    }
    return Result::Printed;
}

bool ScriptedPrinter::setUpPrinter(Paper &) {
    return false;
}

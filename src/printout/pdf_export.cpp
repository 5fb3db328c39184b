#include "printout/pdf_export.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace PdfExport {

Outcome write(const PrintJob &job, const QString &path, QString *error,
              const PrintService::Progress &progress) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return Outcome::Failed;
    }
    bool stopped = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(job.name());
        writer.setCreator(QStringLiteral("Tallybee"));
        const Paper paper = job.paper();
        writer.setPageLayout(
            QPageLayout(QPageSize(paper.millimetres, QPageSize::Millimeter),
                        paper.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                        QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer)) {
            *error = file.errorString();
            file.cancelWriting();
            return Outcome::Failed;
        }
        for (int page = 1; page <= job.pageCount(); ++page) {
            if (page > 1)
                writer.newPage();
            job.paintPage(painter, page);
            if (progress && !progress(page)) {
                stopped = true;
                break;
            }
        }
        painter.end();
    }
    if (stopped) {
        file.cancelWriting();
        return Outcome::Stopped;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return Outcome::Failed;
    }
    return Outcome::Written;
}

} // namespace PdfExport

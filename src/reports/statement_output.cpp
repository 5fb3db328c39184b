#include "reports/statement_output.h"

#include "core/app_context.h"
#include "core/captions.h"
#include "core/services.h"
#include "ledger/statement_model.h"
#include "printout/pdf_export.h"

#include <QDir>
#include <QFileInfo>

namespace StatementOutput {

PrintTexts texts(const StatementModel &model, const QString &title, const QDate &today) {
    PrintTexts t;
    t.name = QStringLiteral("对账单");
    t.title = title;
    t.printed = today;
    t.header = QStringLiteral("对账单");
    if (const auto &filter = model.filter()) {
        const QString day = QStringLiteral("yyyy-MM-dd");
        t.header =
            (filter->kind == EntryKind::Income ? QStringLiteral("收入") : QStringLiteral("支出")) +
            QStringLiteral("对账单  %1 至 %2  %3")
                .arg(filter->from.toString(day), filter->to.toString(day),
                     filter->member.isEmpty() ? QStringLiteral("全部用户") : filter->member);
    }
    return t;
}

QString suggestedPdfPath(const QDate &today) {
    return QDir::home().filePath(
        QStringLiteral("对账单_%1.pdf").arg(today.toString(QStringLiteral("yyyy-MM-dd"))));
}

void exportPdf(const AppContext &context, const PrintJob &job,
               const PrintService::Progress &progress) {
    QString path = context.prompts.saveFileName(QStringLiteral("导出PDF"),
                                                suggestedPdfPath(context.clock.today()),
                                                QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    QString reason;
    switch (PdfExport::write(job, path, &reason, progress)) {
    case PdfExport::Outcome::Written:
        context.prompts.inform(
            Captions::application(),
            QStringLiteral("对账单已导出到：%1").arg(QDir::toNativeSeparators(path)),
            Prompts::Icon::Information);
        break;
    case PdfExport::Outcome::Stopped:
        break;
    case PdfExport::Outcome::Failed:
        context.prompts.inform(
            Captions::application(),
            QStringLiteral("无法写入文件：%1\n%2").arg(QDir::toNativeSeparators(path), reason),
            Prompts::Icon::Error);
        break;
    }
}

QString printerMissingText() {
    return QStringLiteral("请先设置默认打印机!");
}

} // namespace StatementOutput

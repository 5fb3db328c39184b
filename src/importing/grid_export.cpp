#include "importing/grid_export.h"

#include "bills/csv_writer.h"
#include "core/captions.h"
#include "core/error_policy.h"
#include "core/services.h"
#include "store/dates.h"
#include "widgets/data_grid.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QSaveFile>

namespace GridExport {
namespace {

QString exportText(const DataGrid &grid, int row, int visibleColumn) {
    const int column = grid.logicalColumn(visibleColumn);
    const QVariant raw = grid.model()->index(row, column).data(Qt::DisplayRole);
    switch (grid.columnFormat(column)) {
    case ColumnFormat::YuanPicture:
    case ColumnFormat::Currency: {
        bool ok = false;
        const qlonglong amount = raw.toLongLong(&ok);
        if (ok && !raw.isNull())
            return CsvWriter::amount(Money::fromRaw(amount));
        break;
    }
    case ColumnFormat::Text:
        // A date column a page leaves unformatted shows the stored form; the file
        // gets the day the way every other date in it is written.
        if (raw.metaType().id() == QMetaType::QString && Dates::parse(raw.toString()))
            return Dates::display(raw.toString());
        break;
    case ColumnFormat::Date:
        break;
    }
    return grid.cellText(row, visibleColumn);
}

} // namespace

void write(const DataGrid &grid, CsvWriter &writer) {
    const QStringList headings = grid.visibleHeadings();
    writer.writeRow(headings);
    const int rows = grid.rowCountShown();
    for (int r = 0; r < rows && writer.ok(); ++r) {
        QStringList fields;
        fields.reserve(headings.size());
        for (int v = 0; v < headings.size(); ++v)
            fields << exportText(grid, r, v);
        writer.writeRow(fields);
    }
}

void saveAs(const AppContext &context, const QString &name,
            const std::function<qint64(CsvWriter &writer)> &write) {
    const QString path = context.prompts.saveFileName(
        QStringLiteral("导出CSV"), QDir::home().filePath(name + QStringLiteral(".csv")),
        QStringLiteral("CSV 文件 (*.csv)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        context.prompts.inform(
            Captions::system(),
            ErrorPolicy::messageWithReason(QStringLiteral("导出失败"), file.errorString()),
            Prompts::Icon::Error);
        return;
    }
    CsvWriter writer(&file);
    const qint64 rows = write(writer);
    if (!writer.ok() || !file.commit()) {
        context.prompts.inform(
            Captions::system(),
            ErrorPolicy::messageWithReason(QStringLiteral("导出失败"), file.errorString()),
            Prompts::Icon::Error);
        return;
    }
    context.prompts.inform(
        Captions::system(),
        QStringLiteral("已导出%1行到 %2").arg(rows).arg(QDir::toNativeSeparators(path)),
        Prompts::Icon::None);
}

void offerOn(const AppContext &context, QWidget *root) {
    for (DataGrid *grid : root->findChildren<DataGrid *>()) {
        QObject::connect(grid, &DataGrid::exportRequested, grid, [context, grid] {
            ErrorPolicy::run(context.prompts, [&] {
                saveAs(context, QStringLiteral("列表"), [grid](CsvWriter &writer) {
                    write(*grid, writer);
                    return qint64(grid->rowCountShown());
                });
            });
        });
    }
}

} // namespace GridExport

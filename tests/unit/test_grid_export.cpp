#include "bills/csv_writer.h"
#include "bills/generic_csv.h"
#include "importing/grid_export.h"
#include "ledger/rows_model.h"
#include "widgets/data_grid.h"

#include <QApplication>
#include <QBuffer>
#include <QTest>

class TestGridExport : public QObject {
    Q_OBJECT
private slots:
    // The rows as shown: visible columns in their order, drawn texts, but amounts as
    // plain decimals and days as YYYY-MM-DD; the footer is not a row.
    void rowsAsShown() {
        RowsModel model;
        QueryRows rows;
        rows.headings = {"编号", "时间", "金额", "备注", "内部"};
        rows.rows = {{40, "2024-03-02 00:00:00", 125000, "午饭, \"大碗\"", "x"},
                     {41, "2024-03-05 08:30:00", -20000, "退款\n两次", "y"},
                     {42, QVariant(), QVariant(), "无日期", "z"}};
        model.setRows(rows);
        DataGrid grid;
        grid.setModel(&model);
        grid.applyColumns({{.field = "金额", .format = ColumnFormat::YuanPicture, .sum = true},
                           {.field = "内部", .hidden = true}});
        grid.setFooterLabel("合计:");
        grid.moveColumn(grid.column("备注"), 0);
        grid.setCellDrawHook([](DataGrid::Cell &cell) {
            if (cell.column == 0)
                cell.text = QString::number(cell.row + 1);
        });

        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        CsvWriter writer(&buffer);
        GridExport::write(grid, writer);
        const QList<CsvRecord> records = loadCsv(buffer.data());
        QCOMPARE(records.size(), 4);
        QCOMPARE(records[0].fields, QStringList({"备注", "编号", "时间", "金额"}));
        QCOMPARE(records[1].fields, QStringList({"午饭, \"大碗\"", "1", "2024-03-02", "12.5"}));
        QCOMPARE(records[2].fields, QStringList({"退款\n两次", "2", "2024-03-05 08:30:00", "-2"}));
        QCOMPARE(records[3].fields, QStringList({"无日期", "3", "", ""}));

        // Read back as a statement: the same days, amounts and notes.
        const BillReadResult read = readGenericCsv(records, guessCsvMapping(records));
        QCOMPARE(read.rows.size(), 3);
        QCOMPARE(read.rows[0].time.date(), QDate(2024, 3, 2));
        QCOMPARE(read.rows[0].amount, Money::fromRaw(125000));
        QCOMPARE(read.rows[0].remark, QStringLiteral("午饭, \"大碗\""));
        QCOMPARE(read.rows[1].kind, BillKind::Expense);
        QCOMPARE(read.rows[2].state, BillRowState::Refused);
    }
};

QTEST_MAIN(TestGridExport)
#include "test_grid_export.moc"

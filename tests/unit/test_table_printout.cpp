#include "printout/printable_table.h"
#include "printout/table_printout.h"
#include "text_recording_device.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>

namespace {

// Five columns of 100 pixels; cell texts name their row and column ("r7c1").
class FakeTable : public PrintableTable {
public:
    explicit FakeTable(int rows) : m_rows(rows) {}
    QFont font() const override {
        QFont f;
        f.setPixelSize(16);
        return f;
    }
    int rowCount() const override { return m_rows; }
    int columnCount() const override { return 5; }
    QString heading(int column) const override {
        return QStringList{"日期", "项目", "用户", "账户", "金额"}.at(column);
    }
    double width(int) const override { return 100; }
    bool alignRight(int column) const override { return column == 4; }
    QString text(int row, int column) const override {
        return QStringLiteral("r%1c%2").arg(row).arg(column);
    }
    QStringList widestTexts(int column) const override { return widest.value(column); }

    QMap<int, QStringList> widest;

private:
    int m_rows;
};

PrintTexts texts() {
    return {QStringLiteral("对账单"), QStringLiteral("支出对账单"),
            QStringLiteral("Tallybee 家庭报表    https://www.tallybee.cn"), QDate(2026, 6, 15)};
}

QList<QStringList> printAll(const TablePrintout &printout) {
    QList<QStringList> pages;
    const QSizeF size = printout.pageSize();
    for (int n = 1; n <= printout.pageCount(); ++n) {
        TextRecordingDevice sheet(QSize(int(size.width()), int(size.height())));
        QPainter painter(&sheet);
        printout.paintPage(painter, n);
        painter.end();
        pages << sheet.lines();
    }
    return pages;
}

// Page n at 96 dots per inch, the printout's own units.
QImage render(const TablePrintout &printout, int n) {
    const QSizeF size = printout.pageSize();
    QImage image(int(std::ceil(size.width())), int(std::ceil(size.height())), QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    QPainter painter(&image);
    printout.paintPage(painter, n);
    return image;
}

bool anyInk(const QImage &image, const QRect &area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

constexpr double PerMillimetre = 96 / 25.4;

} // namespace

class TestTablePrintout : public QObject {
    Q_OBJECT

private slots:
    void everyRowOnceWithHeadingsAndFooters() {
        const FakeTable table(250);
        const TablePrintout printout(table, PrintSettings{}, texts());
        const QList<QStringList> pages = printAll(printout);
        QCOMPARE(pages.size(), printout.pageCount());
        QVERIFY(pages.size() > 2);
        const QString total = QString::number(pages.size());
        QMap<QString, int> seen;
        for (int n = 1; n <= pages.size(); ++n) {
            const QStringList &lines = pages.at(n - 1);
            QVERIFY(lines.contains(QStringLiteral("支出对账单")));
            QCOMPARE(lines.contains(texts().title), n == 1);
            QVERIFY(lines.contains(QStringLiteral("项目")));
            QVERIFY(lines.contains(QStringLiteral("打印日期：2026-06-15")));
            QVERIFY(lines.contains(QStringLiteral("第 %1 页 / 共 %2 页").arg(n).arg(total)));
            for (const QString &line : lines)
                if (line.endsWith(QLatin1String("c0")))
                    ++seen[line];
        }
        QCOMPARE(seen.size(), 250);
        for (auto it = seen.cbegin(); it != seen.cend(); ++it)
            QCOMPARE(it.value(), 1);
        QVERIFY(pages.last().contains(QStringLiteral("r249c4")));

        // Before any query: one page with the headings alone.
        const FakeTable empty(0);
        const QList<QStringList> one = printAll(TablePrintout(empty, PrintSettings{}, texts()));
        QCOMPARE(one.size(), 1);
        QVERIFY(one.first().contains(QStringLiteral("金额")));
    }

    void orientationMarginsAndBands() {
        const FakeTable table(250);
        PrintSettings narrow;
        narrow.margins = QMarginsF(60, 15, 60, 15); // 90 mm across: 340 units, 500 needed
        const TablePrintout portrait(table, narrow, texts());
        QCOMPARE(portrait.layout().bands().size(), 2);
        narrow.paper.landscape = true;
        const TablePrintout landscape(table, narrow, texts());
        QCOMPARE(landscape.layout().bands().size(), 1);
        QCOMPARE(landscape.pageSize().width(), 297 * PerMillimetre);
        QVERIFY(landscape.pageCount() < portrait.pageCount());
        // The second band's page shows the later columns of the same rows.
        const QStringList second = printAll(portrait).at(1);
        QVERIFY(second.contains(QStringLiteral("r0c4")));
        QVERIFY(!second.contains(QStringLiteral("r0c0")));

        // Landscape with the usual margins holds fewer rows a page.
        PrintSettings wide;
        const int upright = TablePrintout(table, wide, texts()).pageCount();
        wide.paper.landscape = true;
        QVERIFY(TablePrintout(table, wide, texts()).pageCount() > upright);
    }

    void fittingAndOptimalWidths() {
        FakeTable table(10);
        PrintSettings fit;
        fit.fitToWidth = true;
        fit.fitMode = FitMode::ChangeWidths;
        const TablePrintout changed(table, fit, texts());
        double sum = 0;
        for (double w : changed.layout().widths())
            sum += w;
        QCOMPARE(std::round(sum), std::round(changed.layout().printableWidth()));
        QCOMPARE(changed.layout().scale(), 1.0);
        fit.fitMode = FitMode::ScaleGrid;
        const TablePrintout scaled(table, fit, texts());
        QCOMPARE(scaled.layout().scale(), scaled.layout().printableWidth() / 500);
        QVERIFY(scaled.pageCount() == 1);

        table.widest[1] = {QStringLiteral("一个非常非常非常长的项目名称")};
        table.widest[2] = {QString()};
        PrintSettings optimal;
        optimal.optimalWidths = true;
        const TablePrintout fitted(table, optimal, texts());
        QVERIFY(fitted.columnWidths().at(1) > 200);
        QVERIFY(fitted.columnWidths().at(2) < 60); // the heading 用户 alone
        const QStringList page = printAll(fitted).first();
        QVERIFY(page.contains(QStringLiteral("r0c1")));

        // A font chosen in points is printed at the same size in pixels.
        PrintSettings points;
        points.font = QFont(QStringLiteral("Sans"), 12);
        QCOMPARE(TablePrintout(table, points, texts()).font().pixelSize(), 16);
    }

    void colourAndExtendedLines() {
        const FakeTable table(3);
        PrintSettings settings;
        const TablePrintout plain(table, settings, texts());
        const PageLayout::Page page = plain.layout().page(1);
        const double left = 15 * PerMillimetre;
        const double top = 15 * PerMillimetre + plain.layout().gridTop(page);
        // A spot inside the first heading cell clear of its text, and one below the
        // rows on the line between the first two columns.
        const QPoint inHeading(int(left + 4), int(top + 3));
        const QRect belowRows(int(left + 100) - 1, int(15 * PerMillimetre + 400), 3, 3);

        QImage image = render(plain, 1);
        QCOMPARE(image.pixel(inHeading), qRgb(255, 255, 255));
        QVERIFY(!anyInk(image, belowRows));

        settings.colour = true;
        settings.extendLines = true;
        const TablePrintout coloured(table, settings, texts());
        image = render(coloured, 1);
        QCOMPARE(image.pixel(inHeading), TablePrintout::headingFill().rgb());
        QVERIFY(anyInk(image, belowRows));
    }
};

QTEST_MAIN(TestTablePrintout)
#include "test_table_printout.moc"

#include "printout/page_layout.h"

#include <QTest>

namespace {

// A page 800 wide and 1000 high without margins: the grid's body is 910 high (header
// 50, footer 20, heading 20), 880 on the first page under the 30 of the title; rows of
// 10 give 88 rows on the first page and 91 on the others.
PrintedParts parts() {
    PrintedParts p;
    p.paper = QSizeF(800, 1000);
    p.header = 50;
    p.title = 30;
    p.footer = 20;
    p.heading = 20;
    p.row = 10;
    return p;
}

GridShape columns(QList<double> widths) {
    return {std::move(widths), false, FitMode::ScaleGrid};
}

// Every row is on exactly one page of each band, in order.
void checkCoverage(const PageLayout &layout, int rowCount) {
    const int bands = int(layout.bands().size());
    for (int band = 0; band < bands; ++band) {
        int next = 0;
        for (int n = 1; n <= layout.pageCount(); ++n) {
            const PageLayout::Page page = layout.page(n);
            if (page.band != band)
                continue;
            QCOMPARE(page.firstRow, next);
            next += page.rows;
        }
        QCOMPARE(next, rowCount);
    }
}

} // namespace

class TestPageLayout : public QObject {
    Q_OBJECT

private slots:
    void pagination_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("lastFirstRow");
        QTest::addColumn<int>("lastRows");
        QTest::newRow("no rows: headings alone") << 0 << 1 << 0 << 0;
        QTest::newRow("one row") << 1 << 1 << 0 << 1;
        QTest::newRow("first page full") << 88 << 1 << 0 << 88;
        QTest::newRow("one more") << 89 << 2 << 88 << 1;
        QTest::newRow("second page full") << 179 << 2 << 88 << 91;
        QTest::newRow("third page begun") << 180 << 3 << 179 << 1;
        QTest::newRow("200000 rows") << 200000 << 2198 << 199924 << 76;
    }
    void pagination() {
        QFETCH(int, rows);
        QFETCH(int, pages);
        QFETCH(int, lastFirstRow);
        QFETCH(int, lastRows);
        const PageLayout layout(parts(), columns({100, 100}), rows);
        QCOMPARE(layout.rowsOnFirstPage(), 88);
        QCOMPARE(layout.rowsPerPage(), 91);
        QCOMPARE(layout.pageCount(), pages);
        const PageLayout::Page last = layout.page(pages);
        QCOMPARE(last.firstRow, lastFirstRow);
        QCOMPARE(last.rows, lastRows);
        QVERIFY(layout.page(1).title);
        QCOMPARE(layout.page(2).title, pages == 1); // clamped to the one page
        if (rows < 1000)
            checkCoverage(layout, rows);
    }

    void columnsBeyondThePageGoOn() {
        // 300+300 fit 800, the third column starts a second band; the pages of a block
        // of rows come one after the other.
        const PageLayout layout(parts(), columns({300, 300, 300}), 100);
        QCOMPARE(layout.bands().size(), 2);
        QCOMPARE(layout.bands().at(1).firstColumn, 2);
        QCOMPARE(layout.pageCount(), 4);
        QCOMPARE(layout.page(2).band, 1);
        QCOMPARE(layout.page(2).firstRow, 0);
        QVERIFY(layout.page(2).title);
        QCOMPARE(layout.page(3).band, 0);
        QCOMPARE(layout.page(3).firstRow, 88);
        checkCoverage(layout, 100);

        // A column wider than the page has a band of its own.
        const PageLayout wide(parts(), columns({900, 100}), 10);
        QCOMPARE(wide.bands().size(), 2);
        QCOMPARE(wide.bands().at(0).columns, 1);
    }

    void fittingToThePageWidth() {
        // Scaling the whole grid: a 400-wide grid doubles, rows and heading too.
        GridShape scaled{{100, 300}, true, FitMode::ScaleGrid};
        const PageLayout up(parts(), scaled, 100);
        QCOMPARE(up.scale(), 2.0);
        QCOMPARE(up.widths(), (QList<double>{100, 300}));
        QCOMPARE(up.rowsOnFirstPage(), 43); // (1000 - 50 - 20 - 30 - 40) / 20
        QCOMPARE(up.pageCount(), 3);
        // A grid wider than the page shrinks onto one band.
        scaled.widths = {1600};
        const PageLayout down(parts(), scaled, 100);
        QCOMPARE(down.scale(), 0.5);
        QCOMPARE(down.bands().size(), 1);
        QCOMPARE(down.rowsOnFirstPage(), 178); // (1000 - 50 - 20 - 30 - 10) / 5

        // Changing the widths: the page width shared in proportion, rows as they were.
        const GridShape widened{{100, 300}, true, FitMode::ChangeWidths};
        const PageLayout changed(parts(), widened, 100);
        QCOMPARE(changed.scale(), 1.0);
        QCOMPARE(changed.widths(), (QList<double>{200, 600}));
        QCOMPARE(changed.rowsOnFirstPage(), 88);
        QCOMPARE(changed.bands().size(), 1);
    }

    void marginsAndDegenerateSizes() {
        PrintedParts p = parts();
        p.margins = QMarginsF(100, 100, 100, 100); // 600 x 800 inside
        const PageLayout inside(p, columns({300, 300, 10}), 10);
        QCOMPARE(inside.printableWidth(), 600.0);
        QCOMPARE(inside.rowsOnFirstPage(), 68); // (800 - 50 - 20 - 20 - 30) / 10
        QCOMPARE(inside.bands().size(), 2);

        // Margins that leave no room still give one row a page, never a page without.
        p.margins = QMarginsF(500, 600, 500, 600);
        const PageLayout cramped(p, columns({100}), 5);
        QCOMPARE(cramped.rowsPerPage(), 1);
        QCOMPARE(cramped.pageCount(), 5);
        checkCoverage(cramped, 5);

        const PageLayout noColumns(parts(), columns({}), 3);
        QCOMPARE(noColumns.pageCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPageLayout)
#include "test_page_layout.moc"

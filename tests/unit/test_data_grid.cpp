#include "ledger/batch_table_model.h"
#include "store/database.h"
#include "temp_database.h"
#include "widgets/data_grid.h"
#include "widgets/lookup_delegate.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTest>

namespace {

const char *DayList = "select id as 编号,s_date as 时间,s_jine as 金额,s_other as 备注 "
                      "from s_shouru order by id";

void addEntry(Database &db, const QString &day, const QVariant &amount, const QString &note) {
    db.exec("insert into s_shouru (f_fenleiid,s_jine,s_userid,s_other,s_zhanghuid,s_date,"
            "f_class) values (5,:jine,1,:other,1,:day,'Z')",
            {{"jine", amount}, {"other", note}, {"day", day}});
}

// Four entries: 12.5, 0.5, no amount, 1234.
void addEntries(Database &db) {
    addEntry(db, "2024-05-03 00:00:00", qlonglong(125000), "午饭");
    addEntry(db, "2024-05-03 12:30:00", qlonglong(5000), "水");
    addEntry(db, "2024-05-04 00:00:00", QVariant(), "没记金额");
    addEntry(db, "2024-05-04 00:00:00", qlonglong(12340000), "房租");
}

struct DayGrid {
    explicit DayGrid(Database &db) {
        model.setQuery(DayList, db.connection());
        grid.setModel(&model);
        grid.setFooterLabel("合计:");
        grid.setColumnFormat(2, ColumnFormat::YuanPicture);
        grid.setColumnFormat(1, ColumnFormat::Date);
        grid.setFooterSum(2);
    }
    QSqlQueryModel model;
    DataGrid grid;
};

// The cell editor open in the grid, if any (closed ones linger hidden until deleted).
template <typename Editor> Editor *openEditor(const DataGrid &grid) {
    for (Editor *editor : grid.viewport()->findChildren<Editor *>())
        if (editor->isVisible())
            return editor;
    return nullptr;
}

QColor pixelOf(const QImage &image, const QWidget *from, const QWidget *grid, const QRect &cell) {
    const QPoint at = from->mapTo(grid, cell.topLeft() + QPoint(2, 2));
    return image.pixelColor(at);
}

} // namespace

class TestDataGrid : public QObject {
    Q_OBJECT

private slots:
    void footerShowsTheLabelAndExactSumsInTheColumnsFormat() {
        TempDatabase t;
        addEntries(t.db());
        DayGrid g(t.db());
        QCOMPARE(g.grid.rowCountShown(), 4);
        QCOMPARE(g.grid.footerText(0), QString("合计:"));
        QCOMPARE(g.grid.footerText(1), QString());
        QCOMPARE(g.grid.footerText(2), QString("￥1247.00"));
        QCOMPARE(g.grid.cellText(1, 2), QString("￥.50"));
        QCOMPARE(g.grid.cellText(2, 2), QString()); // NULL amount

        g.grid.setColumnFormat(2, ColumnFormat::Currency);
        QCOMPARE(g.grid.footerText(2), QString("¥1,247.00"));
        QCOMPARE(g.grid.cellText(3, 2), QString("¥1,234.00"));

        // The label sits under whatever column is first on screen.
        g.grid.setColumnHidden(0);
        QCOMPARE(g.grid.footerText(0), QString("合计:"));
        QCOMPARE(g.grid.visibleHeadings().first(), QString("时间"));

        // Sums follow new rows and are exact and signed.
        addEntry(t.db(), "2024-05-05 00:00:00", qlonglong(-13000000), "退款");
        g.model.setQuery(DayList, t.db().connection());
        QCOMPARE(g.grid.footerText(1), QString("-¥53.00"));
    }

    void emptyListsAndEmptyColumnsHaveEmptySums() {
        TempDatabase t;
        DayGrid g(t.db());
        QCOMPARE(g.grid.rowCountShown(), 0);
        QCOMPARE(g.grid.footerText(0), QString("合计:"));
        QCOMPARE(g.grid.footerText(2), QString());

        addEntry(t.db(), "2024-05-04 00:00:00", QVariant(), "没记金额");
        g.model.setQuery(DayList, t.db().connection());
        QCOMPARE(g.grid.footerText(2), QString());
    }

    // A query model reads in batches; the count and the sums must cover every row.
    void longListsAreCountedAndSummedWhole() {
        TempDatabase t;
        {
            Transaction tx(t.db());
            for (int i = 0; i < 700; ++i)
                addEntry(t.db(), "2024-05-03 00:00:00", qlonglong(15000), QString::number(i));
            tx.commit();
        }
        DayGrid g(t.db());
        QCOMPARE(g.grid.rowCountShown(), 700);
        QCOMPARE(g.grid.footerText(2), QString("￥1050.00"));
    }

    void columnSettingsSurviveAReload() {
        TempDatabase t;
        addEntries(t.db());
        DayGrid g(t.db());
        g.grid.setColumnHidden(0);
        g.grid.setColumnWidth(3, 150);
        g.grid.setHeading(3, "说明");
        g.grid.moveColumn(3, 2); // a place among all columns, hidden ones too
        QCOMPARE(g.grid.visibleHeadings(), (QStringList{"时间", "说明", "金额"}));

        g.model.setQuery(DayList, t.db().connection());
        QCOMPARE(g.grid.visibleHeadings(), (QStringList{"时间", "说明", "金额"}));
        QCOMPARE(g.grid.view()->horizontalHeader()->sectionSize(3), 150);
        QCOMPARE(g.grid.visibleColumnForHeading("金额"), 2);
        QCOMPARE(g.grid.visibleColumnForHeading("编号"), -1);
        QCOMPARE(g.grid.cellText(0, 1), QString("午饭"));
        QCOMPARE(g.grid.indexAt(0, 2).column(), 2);
    }

    // A money or date column never cuts digits off: too narrow for its values (or its
    // sum) it widens; the set width stays the least width.
    void moneyAndDateColumnsWidenToTheirValues() {
        TempDatabase t;
        addEntries(t.db());
        DayGrid g(t.db());
        g.grid.setColumnFormat(2, ColumnFormat::Currency);
        for (const auto &[column, width] : {std::pair{1, 30}, {2, 20}, {3, 40}})
            g.grid.setColumnWidth(column, width);
        QHeaderView *header = g.grid.view()->horizontalHeader();
        const QFontMetrics metrics(g.grid.view()->font());
        QVERIFY(header->sectionSize(1) > metrics.horizontalAdvance("2024-05-03 12:30:00"));
        QVERIFY(header->sectionSize(2) > metrics.horizontalAdvance("¥1,234.00"));
        QCOMPARE(header->sectionSize(3), 40); // text may be cut; a tooltip shows it

        g.grid.setColumnWidth(2, 300);
        QCOMPARE(header->sectionSize(2), 300);

        // A larger amount after a reload, and a sum out of range in the footer.
        addEntry(t.db(), "2024-05-05 00:00:00", qlonglong(9000000000000000000LL), "大");
        addEntry(t.db(), "2024-05-05 00:00:00", qlonglong(9000000000000000000LL), "大");
        g.grid.setColumnWidth(2, 20);
        g.model.setQuery(DayList, t.db().connection());
        QCOMPARE(g.grid.footerText(2), QString("金额合计超出范围"));
        QVERIFY(header->sectionSize(2) > metrics.horizontalAdvance("¥900,000,000,000,000.00"));
        QVERIFY(header->sectionSize(2) > metrics.horizontalAdvance("金额合计超出范围"));
    }

    void drawHookAndDateFormatShapeTheCellText() {
        TempDatabase t;
        addEntries(t.db());
        DayGrid g(t.db());
        g.grid.setCellDrawHook([](DataGrid::Cell &cell) {
            if (cell.column == 0)
                cell.text = QString::number(cell.row + 1);
        });
        QCOMPARE(g.grid.cellText(0, 0), QString("1"));
        QCOMPARE(g.grid.cellText(3, 0), QString("4"));
        QCOMPARE(g.grid.cellText(0, 1), QString("2024-05-03"));
        QCOMPARE(g.grid.cellText(1, 1), QString("2024-05-03 12:30:00"));
        QCOMPARE(g.grid.cellText(0, 3), QString("午饭"));
        QCOMPARE(g.grid.cellText(9, 0), QString());
    }

    void currentRowIsSkyBlueExceptTheFocusedCell() {
        TempDatabase t;
        addEntries(t.db());
        DayGrid g(t.db());
        g.grid.setCurrentRowHighlight(true);
        g.grid.resize(500, 220);
        g.grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
        g.grid.setCurrentRow(1);
        QCOMPARE(g.grid.currentRow(), 1);
        g.grid.view()->clearFocus();
        QVERIFY(!g.grid.view()->hasFocus());

        const QColor sky(166, 202, 240);
        QImage image = g.grid.grab().toImage();
        const QWidget *vp = g.grid.viewport();
        QCOMPARE(pixelOf(image, vp, &g.grid, g.grid.visualCellRect(1, 0)), sky);
        QCOMPARE(pixelOf(image, vp, &g.grid, g.grid.visualCellRect(1, 3)), sky);
        QVERIFY(pixelOf(image, vp, &g.grid, g.grid.visualCellRect(0, 0)) != sky);
        QVERIFY(pixelOf(image, vp, &g.grid, g.grid.visualCellRect(2, 0)) != sky);

        // With the keyboard focus the focused cell keeps the selection colour.
        QApplication::setActiveWindow(&g.grid);
        g.grid.view()->setFocus();
        QTRY_VERIFY(g.grid.view()->hasFocus());
        image = g.grid.grab().toImage();
        QVERIFY(pixelOf(image, vp, &g.grid, g.grid.visualCellRect(1, 0)) != sky);
        QCOMPARE(pixelOf(image, vp, &g.grid, g.grid.visualCellRect(1, 2)), sky);
    }

    void clickingACellMakesItsRowCurrent() {
        TempDatabase t;
        addEntries(t.db());
        DayGrid g(t.db());
        g.grid.resize(500, 220);
        g.grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
        QSignalSpy clicked(&g.grid, &DataGrid::cellClicked);
        // A page fills the keys of the current row on a press: it must be the pressed row.
        int rowAtPress = -1;
        connect(&g.grid, &DataGrid::mousePressed, this, [&] { rowAtPress = g.grid.currentRow(); });
        QTest::mouseClick(g.grid.viewport(), Qt::LeftButton, {},
                          g.grid.visualCellRect(2, 1).center());
        QCOMPARE(g.grid.currentRow(), 2);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), 2);
        QCOMPARE(rowAtPress, 2);
    }

    // What is typed into an open editor reaches the model before a save, and a
    // refused amount is not stored.
    void openEditorIsCommittedAndBadAmountsRefused() {
        TempDatabase t;
        BatchTableModel model(t.db());
        model.setTable("s_yushuan");
        model.setQuery("select id,f_id,y_money as 预算金额,y_x as 说明 from s_yushuan order by id");
        model.setColumnKind("预算金额", BatchTableModel::Kind::Money);
        model.setBaseColumn("预算金额", "y_money");
        model.load();
        DataGrid grid;
        grid.setModel(&model);
        grid.setColumnHidden(0);
        grid.setColumnHidden(1);
        grid.setColumnFormat(2, ColumnFormat::Currency);
        grid.setColumnReadOnly(3);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QSignalSpy refused(&model, &BatchTableModel::invalidValue);

        auto typeInto = [&](int row, int visibleColumn, const QString &text) {
            grid.setCurrentRow(row);
            grid.view()->edit(grid.indexAt(row, visibleColumn));
            auto *editor = openEditor<QLineEdit>(grid);
            QVERIFY(editor);
            editor->setText(text);
            grid.commitEdit();
        };
        typeInto(0, 0, "abc");
        QCOMPARE(refused.size(), 1);
        QCOMPARE(grid.cellText(0, 0), QString("¥2,000.00"));
        typeInto(0, 0, "12.5");
        QCOMPARE(model.value(0, 2).toLongLong(), 125000);
        QCOMPARE(grid.cellText(0, 0), QString("¥12.50"));
        QVERIFY(!openEditor<QWidget>(grid));

        grid.view()->edit(grid.indexAt(0, 1));
        QVERIFY(!openEditor<QWidget>(grid)); // read-only column
    }

    void lookupColumnsShowNamesAndStoreIds() {
        TempDatabase t;
        Database &db = t.db();
        db.exec("insert into z_zhanghu (id,z_name) values (2,'银行卡')");
        db.exec("insert into s_zhanghistory (zh1,zh2,zXmoney) values (1,2,10000),(1,9,10000)");
        BatchTableModel model(db);
        model.setTable("s_zhanghistory");
        model.setQuery("select id,zh1,zh2,zXmoney as 转账金额 from s_zhanghistory order by id");
        model.load();
        auto accounts = std::make_shared<LookupList>(db, "select id,z_name as 账户 from z_zhanghu");
        accounts->reload();
        LookupDelegate lookup(accounts);
        DataGrid grid;
        grid.setModel(&model);
        grid.setColumnHidden(0);
        grid.setHeading(1, "转出账户");
        grid.setHeading(2, "转入账户");
        grid.setColumnDelegate(1, &lookup);
        grid.setColumnDelegate(2, &lookup);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));

        QCOMPARE(grid.visibleHeadings(), (QStringList{"转出账户", "转入账户", "转账金额"}));
        QCOMPARE(grid.cellText(0, 0), QString("现金"));
        QCOMPARE(grid.cellText(0, 1), QString("银行卡"));
        QCOMPARE(grid.cellText(1, 1), QString()); // account 9 does not exist

        grid.setCurrentRow(1);
        grid.view()->edit(grid.indexAt(1, 1));
        auto *combo = openEditor<QComboBox>(grid);
        QVERIFY(combo);
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentIndex(), -1);
        combo->setCurrentIndex(1);
        emit combo->activated(1);
        QCOMPARE(model.value(1, "zh2").toLongLong(), 2);
        QCOMPARE(grid.cellText(1, 1), QString("银行卡"));
        QVERIFY(model.save().ok);
        QCOMPARE(db.scalar("select zh2 from s_zhanghistory where id=2").toInt(), 2);
    }
};

QTEST_MAIN(TestDataGrid)
#include "test_data_grid.moc"

#include "accounts/accounts_page.h"
#include "accounts/loans_page.h"
#include "core/app_context.h"
#include "ledger/account_queries.h"
#include "ledger/account_totals.h"
#include "ledger/batch_table_model.h"
#include "ledger/loan_queries.h"
#include "ledger/transfer_queries.h"
#include "scripted_printer.h"
#include "scripted_services.h"
#include "store/database.h"
#include "temp_database.h"
#include "widgets/data_grid.h"

#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

qint64 yuan(qint64 y) {
    return y * Money::Scale;
}

QVariant field(Database &db, const QString &sql, const Params &params = {}) {
    return db.scalar(sql, params);
}

qint64 balanceOf(Database &db, int account) {
    return field(db, "select z_yue from z_zhanghu where id=:id", {{"id", account}}).toLongLong();
}

// Accounts 2 (银行卡, start 1000) and 3 (存折, start 500) beside the seeded 现金.
void addAccounts(Database &db) {
    db.exec("insert into z_zhanghu (id,z_name,z_qcje) values (2,'银行卡',:a),(3,'存折',:b)",
            {{"a", yuan(1000)}, {"b", yuan(500)}});
}

int addLoan(BatchTableModel &m, qint64 principal, const QVariant &repaid, int account = 2) {
    const int row = m.appendRow();
    m.setValue(row, "j_class", "S");
    m.setValue(row, "z_id", account);
    m.setValue(row, "借出金额", qlonglong(principal));
    if (repaid.isValid())
        m.setValue(row, "已还金额", repaid);
    return row;
}

std::unique_ptr<BatchTableModel> loans(Database &db, const QString &loanClass, bool onlyOpen) {
    auto m = std::make_unique<BatchTableModel>(db);
    LoanQueries::configureLoans(*m);
    LoanQueries::loadClass(*m, loanClass, onlyOpen);
    return m;
}

// What a page is built with, over a fresh database.
struct PageContext {
    TempDatabase t;
    ScriptedPrompts prompts;
    ScriptedClock clock;
    ScriptedShell shell;
    ScriptedPrinter printer;
    ScriptedProgramControl program;
    AppContext context{t.db(), prompts, clock, shell, printer, program, t.folder()};
};

// The open cell editor of a grid, if any (closed ones linger hidden until deleted).
QComboBox *openCombo(const DataGrid &grid) {
    for (QComboBox *combo : grid.viewport()->findChildren<QComboBox *>())
        if (combo->isVisible())
            return combo;
    return nullptr;
}

// How many pixels of the area differ from its top-left pixel: 0 for a plain area.
int marks(const QImage &image, const QRect &area) {
    const QRgb plain = image.pixel(area.topLeft());
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) != plain;
    return count;
}

} // namespace

class TestAccountQueries : public QObject {
    Q_OBJECT

private slots:
    // The list's headings are the grid's headings; the totals are never written by it.
    void accountListShowsTotalsButSavesOnlyWhatTheUserEdits() {
        TempDatabase t;
        Database &db = t.db();
        addAccounts(db);
        BatchTableModel m(db);
        AccountQueries::configureAccountList(m);
        AccountQueries::recalcAndLoad(db, m);
        QStringList headings;
        for (int c = 0; c < m.columnCount(); ++c)
            headings << m.headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headings, (QStringList{"编号", "账户名称", "起始金额", "收入\u3000", "支出",
                                        "借入", "借出", "转入", "转出", "余额", "备注"}));
        QCOMPARE(m.value(1, "余额").toLongLong(), yuan(1000));

        // A new starting amount is stored; the balance waits for the next rebuild.
        QVERIFY(m.setValue(1, "起始金额", "1200.5"));
        QVERIFY(!m.setValue(1, "余额", "7"));
        QVERIFY(m.save().ok);
        QCOMPARE(balanceOf(db, 2), yuan(1000));
        AccountQueries::recalcAndLoad(db, m);
        QCOMPARE(m.value(1, "余额").toLongLong(), 12005000);

        // A new account saved with no starting amount has empty totals until the rebuild,
        // and an empty balance after it.
        const int row = m.appendRow();
        QVERIFY(m.setValue(row, "账户名称", "信用卡"));
        QVERIFY(m.save().ok);
        const QVariant id = m.value(row, "编号");
        QVERIFY(!id.isNull());
        QVERIFY(field(db, "select z_shouru from z_zhanghu where id=:id", {{"id", id}}).isNull());
        AccountQueries::recalcAndLoad(db, m);
        QCOMPARE(
            field(db, "select z_shouru from z_zhanghu where id=:id", {{"id", id}}).toLongLong(), 0);
        QVERIFY(m.value(row, "余额").isNull());
    }

    void accountWithEntriesIsFoundAndOthersAreDeletedWithTheirTotalsRebuilt() {
        TempDatabase t;
        Database &db = t.db();
        addAccounts(db);
        db.exec("insert into s_shouru (f_fenleiid,s_jine,s_zhanghuid,f_class,s_date) values "
                "(2,:a,2,'S','2026-12-01 00:00:00')",
                {{"a", yuan(10)}});
        // 存折 pays 100 to 银行卡: deleting 存折 leaves the transfer counted on one side.
        db.exec("insert into s_zhanghistory (zh1,zh2,zdate,zXmoney) values "
                "(3,2,'2026-12-01 00:00:00',:m)",
                {{"m", yuan(100)}});
        QVERIFY(AccountQueries::hasEntries(db, 2));
        QVERIFY(!AccountQueries::hasEntries(db, 3));
        QVERIFY(!AccountQueries::hasEntries(db, 99));

        AccountQueries::deleteAccount(db, 3);
        QVERIFY(!field(db, "select 1 from z_zhanghu where id=3").isValid());
        QCOMPARE(balanceOf(db, 2), yuan(1000 + 10 + 100));
        QCOMPARE(field(db, "select count(*) from s_zhanghistory").toInt(), 1);
    }

    void piesShowOnlyPositiveFiguresAndCountTheRest() {
        using AccountQueries::Figure;
        const std::vector<AccountQueries::AccountFigures> accounts = {
            {"现金", Money::fromYuan(120), Money(), std::nullopt},
            {"银行卡", Money::fromYuan(-5), Money::fromYuan(300), Money::fromYuan(40)},
            {"存折", std::nullopt, Money::fromRaw(1), Money::fromYuan(60)},
        };
        const auto balance = AccountQueries::pieShares(accounts, Figure::Balance);
        QCOMPARE(balance.slices.size(), size_t(1));
        QCOMPARE(balance.slices[0].first, QString("现金"));
        QCOMPARE(balance.leftOut, 2);

        const auto income = AccountQueries::pieShares(accounts, Figure::Income);
        QCOMPARE(income.slices.size(), size_t(2));
        QCOMPARE(income.slices[1].second, Money::fromRaw(1));
        QCOMPARE(income.leftOut, 1);

        const auto expense = AccountQueries::pieShares(accounts, Figure::Expense);
        QCOMPARE(expense.slices[0].first, QString("银行卡"));
        QCOMPARE(expense.slices[1].first, QString("存折"));
        QCOMPARE(expense.leftOut, 1);

        QCOMPARE(AccountQueries::pieShares({}, Figure::Balance).leftOut, 0);
    }

    // Both days count, each from midnight: later on the last day is outside.
    void transferPeriodRunsFromMidnightToMidnight() {
        TempDatabase t;
        Database &db = t.db();
        db.exec("insert into s_zhanghistory (zh1,zh2,zdate,zXmoney) values "
                "(1,1,'2026-11-30 23:59:59',1),(1,1,'2026-12-01 00:00:00',2),"
                "(1,1,'2026-12-05 18:00:00',3),(1,1,'2026-12-09 00:00:00',4),"
                "(1,1,'2026-12-09 10:00:00',5),(1,1,NULL,6)");
        BatchTableModel m(db);
        TransferQueries::configureTransfers(m);
        TransferQueries::loadPeriod(m, QDate(2026, 12, 1), QDate(2026, 12, 9));
        QStringList amounts;
        for (int r = 0; r < m.rowCount(); ++r)
            amounts << m.value(r, "转账金额").toString();
        QCOMPARE(amounts, (QStringList{"2", "3", "4"}));

        TransferQueries::loadPeriod(m, QDate(2026, 12, 9), QDate(2026, 12, 1));
        QCOMPARE(m.rowCount(), 0);
    }

    void outstandingCountsEmptyAmountsAsZero() {
        QCOMPARE(LoanQueries::outstanding(qlonglong(yuan(1000)), qlonglong(yuan(400))).toLongLong(),
                 yuan(600));
        QCOMPARE(LoanQueries::outstanding(qlonglong(yuan(1000)), QVariant()).toLongLong(),
                 yuan(1000));
        QCOMPARE(LoanQueries::outstanding(QVariant(), qlonglong(yuan(3))).toLongLong(), -yuan(3));
        QCOMPARE(LoanQueries::outstanding(qlonglong(100), qlonglong(300)).toLongLong(), -200);
        QVERIFY(!LoanQueries::outstanding(std::numeric_limits<qlonglong>::min(), qlonglong(1))
                     .isValid());
    }

    // The save stores the rows and refreshes every stored outstanding amount, of both
    // classes, in one go.
    void savingLoansRefreshesTheOutstandingAmountOfEveryLoan() {
        TempDatabase t;
        Database &db = t.db();
        addAccounts(db);
        db.exec("insert into s_jie (id,j_class,z_id,j_chuMoney,j_ruMoney,j_yuMoney) values "
                "(1,'Z',3,:p,:r,:p)",
                {{"p", yuan(300)}, {"r", yuan(300)}});
        auto m = loans(db, "S", false);
        addLoan(*m, yuan(1000), qlonglong(yuan(400)));
        addLoan(*m, yuan(250), QVariant()); // nothing repaid yet
        const int blank = m->appendRow();   // never typed into: not stored
        Q_UNUSED(blank);
        QCOMPARE(m->value(0, "余额").toLongLong(), yuan(600));

        const auto result = LoanQueries::saveLoans(db, *m, "S");
        QVERIFY2(result.ok, qPrintable(result.engineText));
        QCOMPARE(field(db, "select count(*) from s_jie").toInt(), 3);
        QCOMPARE(field(db, "select group_concat(j_yuMoney) from (select j_yuMoney from s_jie "
                           "order by id)")
                     .toString(),
                 QString("0,%1,%2").arg(yuan(600)).arg(yuan(250)));
        QVERIFY(!m->hasPendingChanges());

        RecalcAccountTotals(db);
        QCOMPARE(balanceOf(db, 2), yuan(1000 + 600 + 250));
        QCOMPARE(balanceOf(db, 3), yuan(500)); // lent and fully repaid
    }

    void failedLoanSaveStoresNothingAndKeepsTheRowsForTheRetry() {
        TempDatabase t;
        Database &db = t.db();
        addAccounts(db);
        db.exec("insert into s_jie (id,j_class,z_id,j_chuMoney,j_ruMoney,j_yuMoney) values "
                "(1,'S',2,:p,0,0)",
                {{"p", yuan(80)}});
        auto m = loans(db, "S", false);
        QVERIFY(m->setValue(0, "已还金额", "30"));
        const int row = addLoan(*m, yuan(1000), qlonglong(0));
        QVERIFY(m->setValue(row, "借给", QString(51, QChar(u'张')))); // over the column's 50

        const auto failed = LoanQueries::saveLoans(db, *m, "S");
        QVERIFY(!failed.ok);
        QCOMPARE(field(db, "select count(*) from s_jie").toInt(), 1);
        // The refresh went with the batch: the stored amount is still the stale one.
        QCOMPARE(field(db, "select j_yuMoney from s_jie").toLongLong(), 0);
        QCOMPARE(field(db, "select j_ruMoney from s_jie").toLongLong(), 0);
        QVERIFY(m->isRowPending(0));
        QVERIFY(m->isRowPending(row));

        QVERIFY(m->setValue(row, "借给", "张三"));
        QVERIFY(LoanQueries::saveLoans(db, *m, "S").ok);
        QCOMPARE(field(db, "select count(*) from s_jie").toInt(), 2);
        QCOMPARE(field(db, "select j_yuMoney from s_jie where id=1").toLongLong(), yuan(50));
    }

    // No amount beyond 一千亿 gets into a list, typed or set from code: nothing stored could
    // then break a sum.
    void amountsBeyondTheTypedLimitAreRefused() {
        TempDatabase t;
        Database &db = t.db();
        auto m = loans(db, "S", false);
        const int row = addLoan(*m, yuan(5), qlonglong(0));
        QSignalSpy refused(m.get(), &BatchTableModel::invalidValue);
        QVERIFY(m->setValue(row, "借出金额", "100000000000"));
        QVERIFY(m->setValue(row, "已还金额", "-100000000000"));
        QVERIFY(!m->setValue(row, "借出金额", "100000000000.01"));
        QVERIFY(!m->setValue(row, "已还金额", qlonglong(std::numeric_limits<qint64>::max())));
        QVERIFY(!m->setValue(row, "借出金额", "99999999999999999999999"));
        QCOMPARE(refused.count(), 3);
        QVERIFY(refused.last().at(2).toString().contains("一千亿"));
        QCOMPARE(m->value(row, "余额").toLongLong(), yuan(200'000'000'000));
        QVERIFY(LoanQueries::saveLoans(db, *m, "S").ok);
        QCOMPARE(field(db, "select j_yuMoney from s_jie").toLongLong(), yuan(200'000'000'000));
    }

    // Typed in by keyboard alone, a new loan has no class: it takes the class on show,
    // and a loan that has one keeps it.
    void newLoanWithoutAClassTakesTheClassOnShow() {
        TempDatabase t;
        Database &db = t.db();
        addAccounts(db);
        auto m = loans(db, "Z", false);
        const int typed = m->appendRow();
        QVERIFY(m->setValue(typed, "借出金额", "60"));
        addLoan(*m, yuan(10), QVariant()); // given "S" by a click before the class changed
        m->appendRow();                    // never typed into: stays unstored, classless
        QVERIFY(LoanQueries::saveLoans(db, *m, "Z").ok);
        QCOMPARE(field(db, "select group_concat(j_class || ':' || j_chuMoney, ' ') from "
                           "(select * from s_jie order by id)")
                     .toString(),
                 QString("Z:%1 S:%2").arg(yuan(60)).arg(yuan(10)));
        QCOMPARE(loans(db, "Z", false)->rowCount(), 1);
    }

    // Two frames side by side; the right one holds the income chart over the expense
    // chart, 232 and 226 pixels high.
    void chartTabHasItsFramesAndChartsInPlace() {
        PageContext p;
        AccountsPage page(p.context);
        QMap<QString, QRect> frames, charts;
        for (const QGroupBox *frame : page.findChildren<QGroupBox *>())
            frames[frame->title()] = frame->geometry();
        for (const QChartView *chart : page.findChildren<QChartView *>())
            charts[chart->accessibleName()] = chart->geometry();
        const QRect left = frames.value("账户现有资金分布图");
        const QRect right = frames.value("账户收入/支出分布图");
        QCOMPARE(left.width(), 375);
        QCOMPARE(right.width(), 375);
        QVERIFY(right.left() > left.right());
        QCOMPARE(right.top(), left.top());

        const QRect balance = charts.value("账户现有资金分布图");
        const QRect income = charts.value("账户收入资金分布图");
        const QRect expense = charts.value("账户支出资金分布图");
        QVERIFY(left.height() - balance.height() < 30);
        QCOMPARE(income.height(), 232);
        QCOMPARE(expense.height(), 226);
        QCOMPARE(expense.top(), income.bottom() + 1);
        QVERIFY(expense.bottom() < right.height());
    }

    // The account column shows a button on every row; typing into the cell opens the
    // list of numbers and names under their titles, and the key searches it.
    void loanAccountColumnOpensItsTitledListWhenTypedInto() {
        PageContext p;
        Database &db = p.t.db();
        db.exec("insert into z_zhanghu (id,z_name) values (2,'Bank'),(3,'Card')");
        db.exec("insert into s_jie (id,j_class,z_id,j_chuMoney) values (1,'S',1,100)");
        LoansPage page(p.context);
        page.resize(765, 511);
        page.loadBorrowed();
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto *grid = page.findChild<DataGrid *>("loansGrid");
        QTableView *view = grid->view();
        const int account = grid->visibleColumnForHeading("账户");
        const int lentTo = grid->visibleColumnForHeading("借给");
        QVERIFY(account >= 0 && lentTo >= 0);

        const QImage shot = view->grab().toImage();
        const auto buttonPlace = [&](int column) {
            const QRect cell = grid->visualCellRect(0, column).translated(grid->viewport()->pos());
            return QRect(cell.right() - 13, cell.top() + 3, 11, cell.height() - 6);
        };
        QVERIFY(marks(shot, buttonPlace(account)) > 10);
        QCOMPARE(marks(shot, buttonPlace(lentTo)), 0);

        view->setFocus();
        view->setCurrentIndex(grid->indexAt(0, account));
        QTest::keyClick(view, Qt::Key_C, Qt::NoModifier);
        QComboBox *combo = openCombo(*grid);
        QVERIFY(combo);
        auto *list = qobject_cast<QTableView *>(combo->view());
        QVERIFY(list);
        QTRY_VERIFY(list->isVisible());
        QVERIFY(!list->horizontalHeader()->isHidden());
        const QAbstractItemModel *items = list->model();
        QCOMPARE(items->headerData(0, Qt::Horizontal).toString(), QString("id"));
        QCOMPARE(items->headerData(1, Qt::Horizontal).toString(), QString("账户"));
        QCOMPARE(items->rowCount(), 3);
        QCOMPARE(list->currentIndex().data().toString(), QString("Card"));
        // Nothing is chosen until the user takes an item.
        QCOMPARE(grid->cellText(0, account), QString("现金"));

        QTest::keyClick(list, Qt::Key_Return);
        QTRY_COMPARE(grid->cellText(0, account), QString("Card"));
    }

    // The filter reads the stored amount: only a save brings it up to date.
    void filterFollowsTheStoredOutstandingAmount() {
        TempDatabase t;
        Database &db = t.db();
        db.exec("insert into s_jie (id,j_class,j_chuMoney,j_ruMoney,j_yuMoney) values "
                "(1,'S',1000,1000,1000),(2,'S',100,300,-200),(3,'S',100,0,0),"
                "(4,'Z',100,0,100)");
        auto open = loans(db, "S", true);
        QCOMPARE(open->rowCount(), 2);
        QCOMPARE(open->value(0, "id").toLongLong(), 1);
        QCOMPARE(open->value(1, "id").toLongLong(), 2);

        QVERIFY(LoanQueries::saveLoans(db, *open, "S").ok); // nothing pending: only the refresh
        LoanQueries::loadClass(*open, "S", true);
        QCOMPARE(open->rowCount(), 2);
        QCOMPARE(open->value(0, "id").toLongLong(), 2);
        QCOMPARE(open->value(1, "id").toLongLong(), 3);
        QCOMPARE(loans(db, "S", false)->rowCount(), 3);
    }
};

QTEST_MAIN(TestAccountQueries)
#include "test_account_queries.moc"

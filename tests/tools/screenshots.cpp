// tallybee-screenshots OUTDIR: renders the program's windows offscreen to PNG files,
// over a small household's books, for the README and for looking at the pages.
#include "accounts/accounts_page.h"
#include "app/application.h"
#include "app/login_window.h"
#include "app/program.h"
#include "mainwin/main_window.h"
#include "scripted_services.h"
#include "store/database.h"
#include "widgets/data_grid.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstdio>

namespace {

void addDemoBooks(const QString &path) {
    Database db = Database::open(path);
    Transaction tx(db);
    db.exec("insert into s_user (sys_name, sys_pwd) values ('妈妈',''),('小明','')");
    db.exec("insert into z_zhanghu (z_name, z_qcje, z_other) values "
            "('工商银行卡', 250000000, '工资卡'), ('支付宝', 30000000, NULL)");
    db.exec("update z_zhanghu set z_qcje = 12000000 where id = 1");
    struct Row {
        int category, user, account;
        qint64 amount;
        const char *day, *kind, *remark;
    };
    const Row rows[] = {
        {2, 1, 2, 128000000, "2026-12-05", "S", "十二月工资"},
        {2, 2, 2, 96000000, "2026-12-05", "S", "十二月工资"},
        {3, 1, 2, 20000000, "2026-12-08", "S", "年终奖预发"},
        {10, 2, 3, 356000, "2026-12-01", "S", "余额宝收益"},
        {5, 2, 1, 356000, "2026-12-09", "Z", "早餐"},
        {5, 1, 3, 1285000, "2026-12-09", "Z", "午饭"},
        {5, 2, 3, 2450000, "2026-12-09", "Z", "买菜"},
        {6, 2, 3, 895000, "2026-12-09", "Z", "洗衣液"},
        {16, 3, 1, 40000, "2026-12-09", "Z", "公交"},
        {5, 2, 3, 1860000, "2026-12-08", "Z", "买菜"},
        {7, 1, 2, 3124000, "2026-12-06", "Z", "电费"},
        {13, 1, 2, 35000000, "2026-12-01", "Z", "十二月房租"},
        {14, 1, 2, 2400000, "2026-12-02", "Z", NULL},
        {17, 2, 3, 990000, "2026-12-03", "Z", "手机话费"},
        {19, 3, 2, 18000000, "2026-12-04", "Z", "兴趣班"},
        {22, 1, 2, 45000000, "2026-11-20", "Z", "周末出游"},
        {23, 2, 3, 6990000, "2026-11-25", "Z", "冬衣"},
        {2, 1, 2, 128000000, "2026-11-05", "S", "十一月工资"},
        {2, 2, 2, 96000000, "2026-11-05", "S", "十一月工资"},
        {11, 2, 1, 10000000, "2026-11-12", "S", "喜宴回礼"},
        {20, 3, 1, 1250000, "2026-11-18", "Z", "感冒药"},
        {5, 2, 3, 15230000, "2026-11-30", "Z", "十一月伙食"},
    };
    for (const Row &r : rows)
        db.exec("insert into s_shouru (f_fenleiid, s_jine, s_userid, s_zhanghuid, s_date, f_class, "
                "s_other) values (:c, :a, :u, :z, :d, :k, :o)",
                {{"c", r.category},
                 {"a", r.amount},
                 {"u", r.user},
                 {"z", r.account},
                 {"d", QDate::fromString(QString::fromUtf8(r.day), Qt::ISODate)},
                 {"k", r.kind},
                 {"o", r.remark ? QVariant(QString::fromUtf8(r.remark)) : QVariant()}});
    db.exec("insert into s_jie (j_class, j_date, z_id, j_chuMoney, j_ruMoney, j_yuMoney, j_jiege, "
            "j_jiekuanren, j_other) values ('Z', '2026-10-01 00:00:00', 2, 50000000, 20000000, "
            "30000000, '表弟', NULL, '买车周转'), ('S', '2026-09-15 00:00:00', 2, 100000000, 0, "
            "100000000, NULL, '爸妈', '装修借款')");
    db.exec("insert into s_zhanghistory (zh1, zh2, zdate, zXmoney, other) values "
            "(2, 3, '2026-12-06 09:30:00', 5000000, '转到支付宝')");
    tx.commit();
}

bool save(QWidget *widget, const QString &file) {
    const bool ok = widget->grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(file));
    return ok;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TallybeeApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tallybee-screenshots OUTDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    QTemporaryDir folder;
    const QString bin = QCoreApplication::applicationDirPath();
    QFile::copy(bin + "/" TALLYBEE_SEED_FILE, folder.filePath("fmy.dll"));
    QFile::copy(bin + "/libSkinBag.so", folder.filePath("libSkinBag.so"));
    addDemoBooks(folder.filePath("fmy.dll"));

    ScriptedPrompts prompts;
    ScriptedClock clock(QDateTime(QDate(2026, 12, 9), QTime(20, 15, 0)));
    ScriptedShell shell;
    Program program(prompts, clock, shell, folder.path());
    program.start();
    if (program.isFinished())
        return 1;
    bool ok = save(program.loginWindow(), out + "/login.png");
    program.loginWindow()->tryLogin();
    MainWindow *main = program.mainWindow();
    if (!main)
        return 1;
    ok &= save(main, out + "/home.png");

    // Every navigation item, in the state its page opens in.
    const struct {
        NavigationBar::Item item;
        const char *file;
    } pages[] = {
        {NavigationBar::Expense, "expense"},
        {NavigationBar::Income, "income"},
        {NavigationBar::Accounts, "accounts"},
        {NavigationBar::ExpenseCategories, "categories"},
        {NavigationBar::Loans, "loans"},
        {NavigationBar::Transfers, "transfers"},
        {NavigationBar::Journal, "journal"},
        {NavigationBar::CategoryReport, "category_report"},
        {NavigationBar::PersonReport, "person_report"},
        {NavigationBar::Budget, "budget"},
        {NavigationBar::Tools, "tools"},
        {NavigationBar::Settings, "settings"},
    };
    for (const auto &page : pages) {
        main->navigate(page.item);
        ok &= save(main, out + "/" + QString::fromUtf8(page.file) + ".png");
    }

    // Categories and budget: the income side, and the budget amounts tab.
    main->navigate(NavigationBar::IncomeCategories);
    ok &= save(main, out + "/income_categories.png");
    main->navigate(NavigationBar::Budget);
    if (auto *tabs = main->findChild<QTabWidget *>(QStringLiteral("budgetTabs")))
        tabs->setCurrentIndex(1);
    ok &= save(main, out + "/budget_amounts.png");
    // The expense page at work: an entry loaded for editing, a category being looked
    // up, the calculator open.
    {
        main->navigate(NavigationBar::Expense);
        auto *dayList = main->findChild<DataGrid *>(QStringLiteral("DBGridEh1"));
        auto *category = main->findChild<QLineEdit *>(QStringLiteral("Edit3"));
        auto *openCalculator = main->findChild<QToolButton *>(QStringLiteral("Image7"));
        if (dayList && category && openCalculator) {
            dayList->setCurrentRow(1);
            emit dayList->cellClicked(1, 0);
            category->setText(QStringLiteral("r"));
            openCalculator->click();
        }
        ok &= save(main, out + "/expense_editing.png");
    }

    // The accounts page's second tab: the pies of balances, income and expense.
    {
        main->navigate(NavigationBar::Accounts);
        auto *accounts = main->findChild<AccountsPage *>();
        accounts->tabs()->setCurrentIndex(1);
        ok &= save(main, out + "/accounts_chart.png");
        accounts->tabs()->setCurrentIndex(0);
    }
    program.end();
    return ok ? 0 : 1;
}

// tallybee-screenshots OUTDIR: renders the program's windows offscreen to PNG files,
// over a small household's books, for the README and for looking at the pages.
#include "accounts/accounts_page.h"
#include "app/application.h"
#include "app/login_window.h"
#include "app/program.h"
#include "mainwin/main_window.h"
#include "reports/print_preview.h"
#include "scripted_printer.h"
#include "reports/category_report_page.h"
#include "reports/journal_page.h"
#include "reports/person_report_page.h"
#include "scripted_services.h"
#include "store/auto_backups.h"
#include "store/backup.h"
#include "store/database.h"
#include "tools/perpetual_calendar.h"
#include "tools/auto_backup_dialog.h"
#include "widgets/data_grid.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
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
    db.exec(
        "insert into notebook (n_date, n_info) values "
        "('2026-12-01 00:00:00', '交了十二月的房租。\n晚上全家一起包饺子。'), "
        "('2026-12-04 00:00:00', '小明的兴趣班报名了，一学期一千八。'), "
        "('2026-12-06 00:00:00', '周末大扫除，顺手把电费交了。'), "
        "('2026-12-09 00:00:00', '今天冬月初一。\n早上下了今年第一场雪，送小明上学时路上很滑。\n"
        "晚饭后算了算这个月的开销：伙食比上个月少了一些，水电燃气多了，暖气开得早。\n"
        "月底前要把年终奖的安排定下来。')");
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
    // Backups the pages make go to a home of their own, never the user's.
    qputenv("HOME", QFile::encodeName(folder.filePath("home")));
    const QString bin = QCoreApplication::applicationDirPath();
    QFile::copy(bin + "/" TALLYBEE_SEED_FILE, folder.filePath("fmy.dll"));
    QFile::copy(bin + "/libSkinBag.so", folder.filePath("libSkinBag.so"));
    addDemoBooks(folder.filePath("fmy.dll"));

    ScriptedPrompts prompts;
    ScriptedClock clock(QDateTime(QDate(2026, 12, 9), QTime(20, 15, 0)));
    ScriptedShell shell;
    ScriptedPrinter printer;
    Program program(prompts, clock, shell, printer, folder.path());
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
    // The tools page: the diary with this month's notes, and the calendar on a month with
    // festivals and the first day of a leap month (闰四月 of 2020 begins on May 23).
    {
        main->follow(MainWindow::Diary);
        if (auto *notes = main->findChild<DataGrid *>(QStringLiteral("diaryList"))) {
            notes->setCurrentRow(3);
            ok &= save(main, out + "/diary.png");
        }
        main->follow(MainWindow::Calendar);
        if (auto *calendar = main->findChild<PerpetualCalendar *>()) {
            calendar->setSelectedDate(QDate(2020, 5, 10));
            QCoreApplication::processEvents(); // the title row lays out the festival's name
            ok &= save(main, out + "/calendar.png");
        }
    }
    // The list of automatic copies, over three evenings' closings.
    {
        Database books = Database::open(folder.filePath("fmy.dll"));
        for (int day : {7, 8, 9})
            ok &= bool(AutoBackups::take(books, Backup::autoFolder(),
                                         QDateTime(QDate(2026, 12, day), QTime(21, 5 + day, 12))));
        main->navigate(NavigationBar::Settings);
        AutoBackupDialog dialog(Backup::autoFolder(), main);
        dialog.show();
        ok &= save(&dialog, out + "/auto_backups.png");
    }

    // The import preview of an Alipay bill, one row's category being looked up.
    {
        main->navigate(NavigationBar::Settings);
        prompts.queueFile(QStringLiteral(TALLYBEE_BILL_DATA "/alipay_bill.csv"));
        for (QPushButton *button : main->findChildren<QPushButton *>())
            if (button->text() == QStringLiteral("导入账单…"))
                button->click();
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            auto *grid = dialog->findChild<DataGrid *>(QStringLiteral("importGrid"));
            auto *category = dialog->findChild<QLineEdit *>(QStringLiteral("项目"));
            if (grid && category) {
                grid->setCurrentRow(6);
                category->setFocus();
                category->setText(QStringLiteral("r"));
                emit category->textEdited(category->text());
            }
            ok &= save(dialog, out + "/import_preview.png");
            dialog->close();
        }
        // A bank statement: the mapping step above the rows.
        prompts.queueFile(QStringLiteral(TALLYBEE_BILL_DATA "/bank_utf8.csv"));
        for (QPushButton *button : main->findChildren<QPushButton *>())
            if (button->text() == QStringLiteral("导入账单…"))
                button->click();
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            ok &= save(dialog, out + "/import_mapping.png");
            dialog->close();
        }
    }
    // The statement: this year's expense listed, its first page in the preview, and the
    // print setup dialog over it.
    {
        main->follow(MainWindow::Print);
        main->findChild<QComboBox *>(QStringLiteral("kindBox"))->setCurrentText("支出");
        main->findChild<QPushButton *>(QStringLiteral("queryButton"))->click();
        ok &= save(main, out + "/statement.png");
        main->findChild<QPushButton *>(QStringLiteral("printButton"))->click();
        auto *preview = main->findChild<PrintPreviewWindow *>();
        if (!preview)
            return 1;
        preview->showNormal();
        preview->resize(820, 900);
        QApplication::processEvents();
        ok &= save(preview, out + "/statement_preview.png");
        for (QPushButton *b : preview->findChildren<QPushButton *>())
            if (b->text() == QStringLiteral("打印设置"))
                b->click();
        if (auto *setup = preview->findChild<QDialog *>(QStringLiteral("printSetupDialog"))) {
            QApplication::processEvents();
            ok &= save(setup, out + "/print_setup.png");
            setup->reject();
        }
        preview->close();
    }
    // The three reports with their lists filled, over November and December.
    {
        const auto startFrom = [](QWidget *scope, const QDate &day) {
            for (auto *picker : scope->findChildren<QDateEdit *>())
                if (picker->isVisible() && picker->accessibleName() == QStringLiteral("从")) {
                    picker->setDate(day);
                    return;
                }
        };
        main->navigate(NavigationBar::Journal);
        auto *journal = main->findChild<JournalPage *>();
        startFrom(journal, QDate(2026, 11, 1));
        journal->refresh();
        // A day with both kinds, so both detail lists have rows.
        if (auto *days = journal->findChild<DataGrid *>(QStringLiteral("journalDays")))
            days->setCurrentRow(6);
        ok &= save(main, out + "/journal.png");
        main->navigate(NavigationBar::CategoryReport);
        auto *categories = main->findChild<CategoryReportPage *>();
        startFrom(categories, QDate(2026, 11, 1));
        categories->query();
        ok &= save(main, out + "/category_report.png");
        main->navigate(NavigationBar::PersonReport);
        auto *people = main->findChild<PersonReportPage *>();
        startFrom(people, QDate(2026, 11, 1));
        people->refreshList();
        ok &= save(main, out + "/person_report.png");
        people->tabs()->setCurrentIndex(1);
        ok &= save(main, out + "/person_chart.png");
        people->tabs()->setCurrentIndex(0);
    }
    program.end();
    return ok ? 0 : 1;
}

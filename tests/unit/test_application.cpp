#include "app/application.h"
#include "app/login_window.h"
#include "app/program.h"
#include "mainwin/main_window.h"
#include "scripted_printer.h"
#include "scripted_services.h"
#include "store/database.h"
#include "store/schema.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

// The application object: Chinese standard dialogs, and database errors that escape an
// event handler shown by the general error box while the program goes on. The program
// object: the books it owns can be closed and opened again behind a fresh login.
class TestApplication : public QObject {
    Q_OBJECT
private slots:
    void standardButtonsSpeakChinese() {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QStringLiteral("确定"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    }

    void escapedDatabaseErrorsReachTheErrorBox() {
        QStringList shown;
        TallybeeApplication::setErrorHandler([&shown](const QString &text) { shown << text; });
        QPushButton button;
        int clicks = 0;
        connect(&button, &QPushButton::clicked, this, [&clicks] {
            if (++clicks == 1)
                throw DbError(QStringLiteral("no such table: s_jie"));
        });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(shown, QStringList{QStringLiteral("no such table: s_jie")});
        // The program keeps running: the next click is handled as usual.
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 2);
        QCOMPARE(shown.size(), 1);
        TallybeeApplication::setErrorHandler({});
    }

    void reopeningTheBooksShowsTheLoginOnTheFileAsItIsThen() {
        QTemporaryDir dir;
        const QString books = dir.filePath(QStringLiteral("fmy.dll"));
        Schema::createDatabase(books);
        ScriptedPrompts prompts;
        ScriptedClock clock;
        ScriptedShell shell;
        ScriptedPrinter printer;
        Program program(prompts, clock, shell, printer, dir.path());
        program.start();
        program.loginWindow()->tryLogin();
        QVERIFY(program.mainWindow() && program.mainWindow()->isVisible());

        QStringList openWhileReplacing;
        QString replaced;
        program.reopenBooks([&](const QString &path) {
            openWhileReplacing = QSqlDatabase::connectionNames();
            replaced = path;
            // Another household's books take the place of the file.
            QFile::remove(path);
            Schema::createDatabase(path);
            Database::open(path).exec(
                QStringLiteral("insert into s_user (sys_name) values ('新主人')"));
        });
        // The main window goes at once; the rest waits for the handler to return.
        QVERIFY(!program.mainWindow()->isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(replaced, books);
        QVERIFY(openWhileReplacing.isEmpty());
        QVERIFY(!program.mainWindow());
        QVERIFY(program.loginWindow()->isVisible());
        const auto *users =
            program.loginWindow()->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        QCOMPARE(users->count(), 2);
        QCOMPARE(users->itemText(1), QStringLiteral("新主人"));

        // A new main window over the reopened file.
        program.loginWindow()->tryLogin();
        QVERIFY(program.mainWindow() && program.mainWindow()->isVisible());
        program.end();
    }
};

int main(int argc, char **argv) {
    TallybeeApplication app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_application.moc"

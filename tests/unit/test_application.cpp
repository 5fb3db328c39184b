#include "app/application.h"
#include "store/db_error.h"

#include <QPushButton>
#include <QTest>

// The application object: Chinese standard dialogs, and database errors that escape an
// event handler shown by the general error box while the program goes on.
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
};

int main(int argc, char **argv) {
    TallybeeApplication app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_application.moc"

#include "entry/calculator_box.h"
#include "scripted_services.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

// A stand-in for the entry page: the amount box inside a fields box, the calculator on top.
struct Page {
    QWidget page;
    QWidget *fields = new QWidget(&page);
    QLineEdit *amount = new QLineEdit(fields);
    ScriptedPrompts prompts;
    CalculatorBox *box;

    Page() {
        page.resize(780, 500);
        fields->setGeometry(8, 48, 257, 195);
        amount->setGeometry(70, 100, 150, 21);
        box = new CalculatorBox(amount, prompts, &page);
        box->reset();
        page.show();
    }
    QPushButton *key(const QString &caption) {
        for (QPushButton *button : box->findChildren<QPushButton *>()) {
            if (button->text() == caption)
                return button;
        }
        return nullptr;
    }
    void press(const QStringList &captions) {
        for (const QString &caption : captions) {
            QPushButton *button = key(caption);
            QVERIFY2(button, qPrintable(caption));
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    void clickIcon() {
        QToolButton *icon = box->isHidden() ? box->openIcon() : box->closeIcon();
        QVERIFY(!icon->isHidden());
        QTest::mouseClick(icon, Qt::LeftButton);
    }
};

} // namespace

class TestCalculatorBox : public QObject {
    Q_OBJECT
private slots:
    void laidOutAsOnTheForm_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        const int xs[] = {13, 53, 92, 132};
        const int ys[] = {20, 52, 84, 119, 151};
        const char *rows[4][4] = {
            {"7", "8", "9", "/"}, {"4", "5", "6", "*"}, {"1", "2", "3", "-"}, {"0", ".", "+", "="}};
        QTest::newRow("Backspace")
            << QString("Backspace") << QString("Button8") << QRect(13, 20, 72, 25);
        QTest::newRow("C") << QString("C") << QString("Button10") << QRect(92, 20, 73, 25);
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 4; ++c) {
                QTest::newRow(rows[r][c])
                    << rows[r][c] << QStringLiteral("Button%1").arg(11 + 4 * r + c)
                    << QRect(xs[c], ys[r + 1], 33, 25);
            }
        }
    }
    void laidOutAsOnTheForm() {
        QFETCH(QString, caption);
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        Page page;
        QPushButton *button = page.key(caption);
        QVERIFY(button);
        QCOMPARE(button->objectName(), name);
        QCOMPARE(button->geometry(), geometry);
        QVERIFY(button->font().bold());
    }

    void startsClosed() {
        Page page;
        QCOMPARE(page.box->objectName(), QStringLiteral("GroupBox7"));
        QCOMPARE(page.box->title(), QStringLiteral("金额计算器"));
        QCOMPARE(page.box->geometry(), QRect(75, 179, 180, 188));
        QVERIFY(page.box->isHidden());
        QCOMPARE(page.box->openIcon()->objectName(), QStringLiteral("Image7"));
        QCOMPARE(page.box->closeIcon()->objectName(), QStringLiteral("Image8"));
        QVERIFY(!page.box->openIcon()->isHidden());
        QVERIFY(page.box->closeIcon()->isHidden());
        QCOMPARE(page.box->openIcon()->parentWidget(), page.fields);
        QVERIFY(!page.box->openIcon()->icon().pixmap(20, 20).isNull());
        QVERIFY(!page.box->closeIcon()->icon().pixmap(20, 20).isNull());
        QCOMPARE(page.amount->text(), QStringLiteral("0"));
    }

    void workedSequenceClosesTheBox() {
        Page page;
        page.clickIcon();
        QVERIFY(!page.box->isHidden());
        QVERIFY(page.box->openIcon()->isHidden());
        QVERIFY(!page.box->closeIcon()->isHidden());

        QStringList shown;
        for (const char *caption : {"1", "2", "+", "3"}) {
            page.press({QString::fromLatin1(caption)});
            shown << page.amount->text();
        }
        QCOMPARE(shown, QStringList({"1", "12", "12", "3"}));
        page.press({"="});
        QCOMPARE(page.amount->text(), QStringLiteral("15"));
        QVERIFY(page.box->isHidden());
        QVERIFY(!page.box->openIcon()->isHidden());
        QVERIFY(page.box->closeIcon()->isHidden());
        QVERIFY(page.prompts.messages().isEmpty());
    }

    void openingLoadsTheAmount() {
        Page page;
        page.amount->setText(QStringLiteral("2.5"));
        page.clickIcon();
        page.press({"3"});
        QCOMPARE(page.amount->text(), QStringLiteral("28"));
        page.clickIcon(); // closing loads it too
        QVERIFY(page.box->isHidden());
        QCOMPARE(page.box->calculator().first(), 28.0);
    }

    void backspaceEditsTheOperand() {
        Page page;
        page.clickIcon();
        page.press({"1", "2", "Backspace", "4"});
        QCOMPARE(page.amount->text(), QStringLiteral("14"));
    }

    void messagesGoThroughPrompts() {
        Page page;
        page.clickIcon();
        page.press({"6", "+", "2", "=", "/"});
        page.clickIcon();
        page.press({"0", "="});
        QCOMPARE(page.prompts.messages().size(), 1);
        QCOMPARE(page.prompts.messages()[0].caption, QStringLiteral("Tallybee"));
        QCOMPARE(page.prompts.messages()[0].text, QStringLiteral("分母不能为零!"));
        QCOMPARE(page.prompts.messages()[0].icon, Prompts::Icon::None);
        QCOMPARE(page.amount->text(), QStringLiteral("8")); // the previous result stands

        page.clickIcon();
        page.press({".", "5", "."});
        QCOMPARE(page.prompts.messages().size(), 2);
        QCOMPARE(page.prompts.messages()[1].caption, QStringLiteral("Tallybee"));
        QCOMPARE(page.prompts.messages()[1].text, QStringLiteral("非法输入!"));
        QCOMPARE(page.prompts.messages()[1].icon, Prompts::Icon::None);
        QCOMPARE(page.amount->text(), QStringLiteral("8.5"));
    }

    void clearAndReset() {
        Page page;
        page.clickIcon();
        page.press({"7", "*", "C"});
        QCOMPARE(page.amount->text(), QStringLiteral("0"));
        QCOMPARE(page.box->calculator().pendingOperator(), Calculator::Operator::None);
        QCOMPARE(page.page.focusWidget(), page.key(QStringLiteral("=")));
        QVERIFY(!page.box->isHidden()); // "C" leaves the box open

        page.press({"9", "-"});
        page.box->reset();
        QCOMPARE(page.amount->text(), QStringLiteral("0"));
        QCOMPARE(page.box->calculator().first(), 0.0);
        QCOMPARE(page.box->calculator().slot(), 1);
    }
};

QTEST_MAIN(TestCalculatorBox)
#include "test_calculator_box.moc"

#include "widgets/preset_spin_box.h"

#include <QLineEdit>
#include <QTest>

namespace {

// A year box as the pages use it, opened on a year past its range.
struct YearBox {
    QWidget window;
    PresetSpinBox *box = new PresetSpinBox(&window);
    QLineEdit *other = new QLineEdit(&window);

    YearBox() {
        box->setPickRange(2009, 2020);
        box->preset(2026);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    void typeAndLeave(const QString &text) {
        box->setFocus();
        box->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Backspace);
        else
            QTest::keyClicks(box, text);
        other->setFocus();
    }
};

} // namespace

class TestPresetSpinBox : public QObject {
    Q_OBJECT

private slots:
    void presetValueStaysUntilTouched() {
        YearBox y;
        QCOMPARE(y.box->value(), 2026);
        QCOMPARE(y.box->text(), QString("2026"));
        // Passing through without editing changes nothing.
        y.box->setFocus();
        y.other->setFocus();
        QCOMPARE(y.box->value(), 2026);
    }

    void steppingBringsItIntoRange() {
        YearBox y;
        y.box->stepBy(1);
        QCOMPARE(y.box->value(), 2020);
        QCOMPARE(y.box->maximum(), 2020);
        y.box->stepBy(-1);
        QCOMPARE(y.box->value(), 2019);

        y.box->preset(2001);
        QTest::keyClick(y.box, Qt::Key_Down);
        QCOMPARE(y.box->value(), 2009);
    }

    void editingAndLeavingBringsItIntoRange() {
        YearBox y;
        y.typeAndLeave("2024");
        QCOMPARE(y.box->value(), 2020);
        QCOMPARE(y.box->maximum(), 2020);
    }

    void textThatIsNoNumberCountsAsTheLowest() {
        YearBox y;
        y.typeAndLeave("");
        QCOMPARE(y.box->value(), 2009);
    }
};

QTEST_MAIN(TestPresetSpinBox)
#include "test_preset_spin_box.moc"

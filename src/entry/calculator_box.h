#pragma once

#include "entry/calculator.h"

#include <QGroupBox>

class Prompts;
class QLineEdit;
class QPoint;
class QToolButton;

// The floating "金额计算器" box of the entry page. It writes every digit and result into
// the page's amount box and has no display of its own. Hidden at start; the two icons
// beside the amount box (Image7 while closed, Image8 while open) open and close it.
class CalculatorBox : public QGroupBox {
    Q_OBJECT
public:
    // The icons become children of the amount box's parent (or of the box's parent when
    // the amount box has none); the page places them with setIconPosition().
    CalculatorBox(QLineEdit *amountEdit, Prompts &prompts, QWidget *parent = nullptr);

    // Both operands and the result 0, the amount box "0" (program start, Add).
    void reset();
    // A click on either icon: the first operand takes the amount box's number, and the
    // box opens or closes.
    void toggle();

    QToolButton *openIcon() const { return m_openIcon; }
    QToolButton *closeIcon() const { return m_closeIcon; }
    // Puts both icons at the same place, relative to the amount box's parent.
    void setIconPosition(const QPoint &topLeft);

    const Calculator &calculator() const { return m_calculator; }

private:
    void apply(const Calculator::Outcome &outcome);
    void openBox();
    void closeBox();
    QToolButton *makeIcon(const QString &name, const QString &picture, const QString &tip);

    QLineEdit *m_amountEdit;
    Prompts &m_prompts;
    Calculator m_calculator;
    QToolButton *m_openIcon;
    QToolButton *m_closeIcon;
};

#include "entry/calculator_box.h"

#include "core/captions.h"

#include "core/services.h"
#include "entry/amount_filter.h"

#include <QFontMetrics>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

struct Key {
    const char *objectName;
    const char *caption;
    int x, y, width;
};

constexpr int KeyHeight = 25;

// Four columns at x 13, 53, 92, 132 and five rows at y 20, 52, 84, 119, 151.
constexpr Key Keys[] = {
    {"Button8", "Backspace", 13, 20, 72}, {"Button10", "C", 92, 20, 73},
    {"Button11", "7", 13, 52, 33},        {"Button12", "8", 53, 52, 33},
    {"Button13", "9", 92, 52, 33},        {"Button14", "/", 132, 52, 33},
    {"Button15", "4", 13, 84, 33},        {"Button16", "5", 53, 84, 33},
    {"Button17", "6", 92, 84, 33},        {"Button18", "*", 132, 84, 33},
    {"Button19", "1", 13, 119, 33},       {"Button20", "2", 53, 119, 33},
    {"Button21", "3", 92, 119, 33},       {"Button22", "-", 132, 119, 33},
    {"Button23", "0", 13, 151, 33},       {"Button24", ".", 53, 151, 33},
    {"Button25", "+", 92, 151, 33},       {"Button26", "=", 132, 151, 33},
};

} // namespace

CalculatorBox::CalculatorBox(QLineEdit *amountEdit, Prompts &prompts, QWidget *parent)
    : QGroupBox(QStringLiteral("金额计算器"), parent), m_amountEdit(amountEdit),
      m_prompts(prompts) {
    setObjectName(QStringLiteral("GroupBox7"));
    setGeometry(75, 179, 180, 188);
    // It floats over the entry fields and the day list: opaque, with an outline all
    // round and the title inside it.
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral(
        "QGroupBox#GroupBox7 { background: palette(window); border: 1px solid palette(dark);"
        " border-radius: 3px; margin: 0; padding-top: 16px; }"
        "QGroupBox#GroupBox7::title { subcontrol-origin: padding; left: 7px; top: 3px; }"));

    QFont bold = font();
    bold.setBold(true);
    for (const Key &key : Keys) {
        auto *button = new QPushButton(QString::fromLatin1(key.caption), this);
        button->setObjectName(QString::fromLatin1(key.objectName));
        button->setGeometry(key.x, key.y, key.width, KeyHeight);
        // "Backspace" is a tight fit in 72 pixels; a wide font shrinks rather than clips.
        QFont font = bold;
        while (QFontMetrics(font).horizontalAdvance(button->text()) > key.width - 6 &&
               font.pointSizeF() > 6)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        button->setFont(font);

        const QChar c = button->text().at(0);
        if (button->text().size() == 1 && c.isDigit()) {
            const int d = c.digitValue();
            connect(button, &QPushButton::clicked, this,
                    [this, d] { apply(m_calculator.digit(d)); });
        }
    }
    auto key = [this](const char *name) {
        return findChild<QPushButton *>(QString::fromLatin1(name));
    };
    auto onOperator = [this](Calculator::Operator op) {
        return [this, op] { apply(m_calculator.operatorKey(op)); };
    };
    key("Button18")->setStyleSheet(QStringLiteral("color: red;"));

    connect(key("Button24"), &QPushButton::clicked, this, [this] { apply(m_calculator.point()); });
    connect(key("Button25"), &QPushButton::clicked, this, onOperator(Calculator::Operator::Add));
    connect(key("Button22"), &QPushButton::clicked, this,
            onOperator(Calculator::Operator::Subtract));
    connect(key("Button18"), &QPushButton::clicked, this,
            onOperator(Calculator::Operator::Multiply));
    connect(key("Button14"), &QPushButton::clicked, this, onOperator(Calculator::Operator::Divide));
    connect(key("Button26"), &QPushButton::clicked, this, [this] {
        apply(m_calculator.equals());
        closeBox();
    });
    connect(key("Button10"), &QPushButton::clicked, this, [this, key] {
        reset();
        key("Button26")->setFocus();
    });
    connect(key("Button8"), &QPushButton::clicked, this,
            [this] { apply(m_calculator.backspace(m_amountEdit->text())); });

    QWidget *iconParent = amountEdit->parentWidget() ? amountEdit->parentWidget() : parent;
    m_openIcon = makeIcon(QStringLiteral("Image7"), QStringLiteral(":/art/calc_open.svg"),
                          QStringLiteral("打开金额计算器"));
    m_closeIcon = makeIcon(QStringLiteral("Image8"), QStringLiteral(":/art/calc_close.svg"),
                           QStringLiteral("关闭金额计算器"));
    m_openIcon->setParent(iconParent);
    m_closeIcon->setParent(iconParent);
    // Beside the amount box until the page says otherwise.
    setIconPosition(amountEdit->geometry().topRight() + QPoint(4, 0));

    closeBox();
}

QToolButton *CalculatorBox::makeIcon(const QString &name, const QString &picture,
                                     const QString &tip) {
    auto *icon = new QToolButton;
    icon->setObjectName(name);
    icon->setIcon(QIcon(picture));
    icon->setIconSize(QSize(20, 20));
    icon->resize(22, 22);
    icon->setAutoRaise(true);
    icon->setToolTip(tip);
    icon->setCursor(Qt::PointingHandCursor);
    // A click on the picture leaves the keyboard where it was, as a picture would.
    icon->setFocusPolicy(Qt::NoFocus);
    connect(icon, &QToolButton::clicked, this, &CalculatorBox::toggle);
    return icon;
}

void CalculatorBox::setIconPosition(const QPoint &topLeft) {
    m_openIcon->move(topLeft);
    m_closeIcon->move(topLeft);
}

void CalculatorBox::reset() {
    apply(m_calculator.reset());
}

void CalculatorBox::toggle() {
    m_calculator.load(m_amountEdit->text());
    if (isHidden())
        openBox();
    else
        closeBox();
}

void CalculatorBox::openBox() {
    show();
    raise();
    m_openIcon->hide();
    m_closeIcon->show();
}

void CalculatorBox::closeBox() {
    hide();
    m_closeIcon->hide();
    if (m_openIcon->parentWidget()) // never a window of its own
        m_openIcon->show();
}

void CalculatorBox::apply(const Calculator::Outcome &outcome) {
    // A plain notice without a caption of its own carries the program's title.
    if (outcome.message != Calculator::Message::None)
        m_prompts.inform(Captions::application(), Calculator::messageText(outcome.message),
                         Prompts::Icon::None);
    if (outcome.amount)
        AmountValidator::setProgramText(m_amountEdit, *outcome.amount);
}

#include "entry/entry_info_box.h"

#include "entry/number_text.h"

#include <QLabel>

namespace {

QLabel *addLabel(QWidget *parent, const QString &text, const QRect &place,
                 const QString &style = QString()) {
    auto *label = new QLabel(text, parent);
    label->setGeometry(place);
    if (!style.isEmpty())
        label->setStyleSheet(style);
    return label;
}

QLabel *addFigure(QWidget *parent, const QString &name, int y, const QString &style) {
    QLabel *figure = addLabel(parent, QString(), QRect(92, y, 90, 20), style);
    figure->setAccessibleName(name);
    figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return figure;
}

} // namespace

QString infoFigureText(const std::optional<Money> &value) {
    return generalNumberText(value ? value->toDouble() : 0.0);
}

QString infoDifferenceText(const std::optional<Money> &first, const std::optional<Money> &second) {
    // Both are at most 19 digits; as doubles the difference cannot overflow, and the
    // 15 significant digits shown hide the rounding.
    const double a = first ? first->toDouble() : 0.0;
    const double b = second ? second->toDouble() : 0.0;
    return generalNumberText(a - b);
}

EntryInfoBox::EntryInfoBox(QWidget *parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("GroupBox4"));
    const QString red = QStringLiteral("color: #ff0000;");
    m_title = addLabel(this, QString(), QRect(8, 24, 177, 20),
                       QStringLiteral("color: #800000; font-weight: bold;"));
    m_title->setAccessibleName(QStringLiteral("信息标题"));
    m_title->setAlignment(Qt::AlignCenter);
    m_firstLabel = addLabel(this, QString(), QRect(12, 54, 84, 20));
    m_first = addFigure(this, QStringLiteral("信息值1"), 54, QString());
    addLabel(this, QStringLiteral("－"), QRect(12, 78, 20, 20));
    m_secondLabel = addLabel(this, QString(), QRect(12, 102, 84, 20));
    m_second = addFigure(this, QStringLiteral("信息值2"), 102, QString());
    QLabel *rule =
        addLabel(this, QStringLiteral("－－－－－－－－－－－－"), QRect(8, 126, 177, 16));
    rule->setAlignment(Qt::AlignCenter);
    addLabel(this, QStringLiteral("金额"), QRect(12, 148, 60, 20), red);
    m_difference = addFigure(this, QStringLiteral("信息差额"), 148,
                             red + QStringLiteral(" font-weight: bold;"));
}

void EntryInfoBox::setKind(EntryKind kind) {
    const bool income = kind == EntryKind::Income;
    setTitle(income ? QStringLiteral("本月比上月增长") : QStringLiteral("预算信息"));
    m_title->setText(income ? QStringLiteral("收入增长") : QString());
    m_firstLabel->setText(income ? QStringLiteral("本月收入") : QStringLiteral("本月预算金额"));
    m_secondLabel->setText(income ? QStringLiteral("上月收入") : QStringLiteral("实际金额"));
    m_first->clear();
    m_second->clear();
    m_difference->clear();
}

void EntryInfoBox::showBudget(const EntryQueries::BudgetInfo &info) {
    m_title->setText(info.title);
    showFigures(info.budget, info.spent);
}

void EntryInfoBox::showIncome(const EntryQueries::IncomeInfo &info) {
    showFigures(info.thisMonth, info.lastMonth);
}

void EntryInfoBox::showFigures(const std::optional<Money> &first,
                               const std::optional<Money> &second) {
    m_first->setText(infoFigureText(first));
    m_second->setText(infoFigureText(second));
    m_difference->setText(infoDifferenceText(first, second));
}

#include "mainwin/home_page.h"

#include "core/error_policy.h"
#include "core/notices.h"
#include "core/services.h"
#include "ledger/home_summary.h"
#include "store/database.h"
#include "widgets/art.h"
#include "widgets/clickable_label.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValueAxis>

namespace {
const QColor ExpenseColour(166, 202, 240); // sky blue
const QColor IncomeColour(192, 220, 192);  // money green

QFont figureFont() {
    QFont font;
    font.setPixelSize(15);
    font.setBold(true);
    return font;
}
} // namespace

HomePage::HomePage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("homePage"));
    buildSignature();

    auto *assets = new QLabel(this);
    assets->setObjectName(QStringLiteral("assetsPanel"));
    assets->setPixmap(artPixmap(QStringLiteral("home_assets"), QSize(370, 250)));
    assets->setGeometry(8, 40, 370, 250);
    m_funds = addFigure(assets, QStringLiteral("资金"), 200, 60);
    m_claims = addFigure(assets, QStringLiteral("债权"), 200, 90);
    m_totalAssets = addFigure(assets, QStringLiteral("资产总计"), 200, 122);
    m_debts = addFigure(assets, QStringLiteral("债务"), 200, 192);
    m_netAssets = addFigure(assets, QStringLiteral("净资产"), 200, 228);

    auto *month = new QLabel(this);
    month->setObjectName(QStringLiteral("monthPanel"));
    month->setPixmap(artPixmap(QStringLiteral("home_month"), QSize(370, 205)));
    month->setGeometry(8, 298, 370, 205);
    m_incomeThisMonth = addFigure(month, QStringLiteral("本月收入"), 170, 62);
    m_expenseThisMonth = addFigure(month, QStringLiteral("本月支出"), 170, 92);
    m_incomeLastMonth = addFigure(month, QStringLiteral("上月收入"), 170, 162);
    m_expenseLastMonth = addFigure(month, QStringLiteral("上月支出"), 170, 192);

    m_expenseChart = addRanking(QStringLiteral("消费类别排行榜"), 40, 228);
    m_incomeChart = addRanking(QStringLiteral("收入类别排行榜"), 276, 227);

    // Laid over the page, hidden until "编辑".
    m_editor->raise();
}

void HomePage::buildSignature() {
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("signatureBar"));
    bar->setGeometry(8, 6, 749, 28);
    bar->setStyleSheet(QStringLiteral("#signatureBar { background: #fff8e6; border: 1px solid "
                                      "#ecd9a6; border-radius: 6px; }"));
    m_signature = new QLabel(bar);
    m_signature->setAccessibleName(QStringLiteral("个性签名"));
    m_signature->setGeometry(12, 0, 660, 28);
    m_signature->setStyleSheet(QStringLiteral("color: #7a5a10; background: transparent;"));
    auto *edit = new ClickableLabel(QStringLiteral("<u>编辑</u>"), bar);
    edit->setAccessibleName(QStringLiteral("编辑"));
    edit->setStyleSheet(QStringLiteral("color: #1a5fb4; background: transparent;"));
    edit->setGeometry(700, 0, 40, 28);

    m_editor = new QGroupBox(QStringLiteral("个性签名编辑"), this);
    m_editor->setObjectName(QStringLiteral("signatureEditor"));
    m_editor->setGeometry(120, 36, 520, 92);
    m_editor->setAutoFillBackground(true);
    m_signatureEdit = new QLineEdit(m_editor);
    m_signatureEdit->setObjectName(QStringLiteral("signatureEdit"));
    m_signatureEdit->setGeometry(14, 26, 492, 24);
    auto *cancel = new QPushButton(QStringLiteral("取消"), m_editor);
    cancel->setGeometry(330, 56, 80, 26);
    auto *ok = new QPushButton(QStringLiteral("确定"), m_editor);
    ok->setGeometry(424, 56, 80, 26);
    m_editor->hide();

    connect(edit, &ClickableLabel::clicked, m_editor, &QWidget::show);
    connect(cancel, &QPushButton::clicked, m_editor, &QWidget::hide);
    ErrorPolicy::connect(ok, &QPushButton::clicked, this, m_context.prompts,
                         &HomePage::saveSignature);
}

QLabel *HomePage::addFigure(QWidget *panel, const QString &heading, int x, int centreY) {
    auto *figure = new QLabel(panel);
    figure->setAccessibleName(heading);
    figure->setFont(figureFont());
    figure->setStyleSheet(QStringLiteral("color: #008000; background: transparent;"));
    figure->setGeometry(x, centreY - 12, 360 - x, 24);
    return figure;
}

QChartView *HomePage::addRanking(const QString &heading, int y, int height) {
    auto *title = new QLabel(heading, this);
    title->setGeometry(386, y, 371, 20);
    title->setStyleSheet(QStringLiteral("font-weight: bold; color: #5b4a1e;"));

    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setBackgroundRoundness(6);
    chart->setMargins(QMargins(4, 2, 12, 2));
    auto *view = new QChartView(chart, this);
    view->setAccessibleName(heading);
    view->setRenderHint(QPainter::Antialiasing);
    view->setGeometry(386, y + 20, 371, height - 20);
    return view;
}

void HomePage::fillRanking(QChartView *view, const std::vector<std::pair<QString, Money>> &rows,
                           const QColor &colour) {
    QChart *chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis), delete axis;

    auto *set = new QBarSet(QString());
    set->setColor(colour);
    set->setBorderColor(colour.darker(130));
    set->setLabelColor(QColor(40, 40, 40));
    QStringList labels;
    double largest = 0;
    for (const auto &[name, amount] : rows) {
        *set << amount.toDouble();
        labels << name;
        largest = qMax(largest, amount.toDouble());
    }
    auto *series = new QHorizontalBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat(QStringLiteral("@value"));
    series->setLabelsPrecision(15);
    series->setBarWidth(0.6);
    chart->addSeries(series);

    auto *categories = new QBarCategoryAxis;
    categories->append(labels);
    chart->addAxis(categories, Qt::AlignLeft);
    series->attachAxis(categories);
    auto *values = new QValueAxis;
    values->setRange(0, largest > 0 ? largest * 1.3 : 1);
    values->setLabelsVisible(false);
    values->setGridLineVisible(false);
    chart->addAxis(values, Qt::AlignBottom);
    series->attachAxis(values);
}

void HomePage::enter() {
    m_signature->setText(
        m_context.db.scalar(QStringLiteral("select daytxt from sys_sys")).toString());
    m_signatureEdit->setText(m_signature->text());

    const HomeSummary s = computeHomeSummary(m_context.db, m_context.clock.today());
    m_funds->setText(figureText(s.funds));
    m_claims->setText(figureText(s.claims));
    m_debts->setText(figureText(s.debts));
    m_totalAssets->setText(figureText(s.totalAssets));
    m_netAssets->setText(figureText(s.netAssets));
    m_incomeThisMonth->setText(figureText(s.incomeThisMonth));
    m_expenseThisMonth->setText(figureText(s.expenseThisMonth));
    m_incomeLastMonth->setText(figureText(s.incomeLastMonth));
    m_expenseLastMonth->setText(figureText(s.expenseLastMonth));
    fillRanking(m_expenseChart, s.expenseRanking, ExpenseColour);
    fillRanking(m_incomeChart, s.incomeRanking, IncomeColour);
    if (s.outOfRange)
        Notices::sumOutOfRange(m_context.prompts);
}

void HomePage::saveSignature() {
    m_editor->hide();
    const QString text = m_signatureEdit->text();
    m_context.db.exec(QStringLiteral("update sys_sys set daytxt=:text"), {{"text", text}});
    m_signature->setText(text);
}

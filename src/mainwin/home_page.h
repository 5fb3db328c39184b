#pragma once

#include "core/app_context.h"
#include "widgets/page.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QGroupBox;
class QChartView;
class Money;

// The home page: this household's money at a glance, and the personal signature.
class HomePage : public QWidget, public Page {
    Q_OBJECT
public:
    HomePage(const AppContext &context, QWidget *parent = nullptr);

    // Reads everything afresh, recomputing the account totals first.
    void enter() override;

private:
    void buildSignature();
    QLabel *addFigure(QWidget *panel, const QString &heading, int x, int centreY);
    QChartView *addRanking(const QString &heading, int y, int height);
    void fillRanking(QChartView *view, const std::vector<std::pair<QString, Money>> &rows,
                     const QColor &colour);
    void saveSignature();

    AppContext m_context;

    QLabel *m_signature = nullptr;
    QGroupBox *m_editor = nullptr;
    QLineEdit *m_signatureEdit = nullptr;
    QLabel *m_funds = nullptr;
    QLabel *m_claims = nullptr;
    QLabel *m_totalAssets = nullptr;
    QLabel *m_debts = nullptr;
    QLabel *m_netAssets = nullptr;
    QLabel *m_incomeThisMonth = nullptr;
    QLabel *m_expenseThisMonth = nullptr;
    QLabel *m_incomeLastMonth = nullptr;
    QLabel *m_expenseLastMonth = nullptr;
    QChartView *m_expenseChart = nullptr;
    QChartView *m_incomeChart = nullptr;
};

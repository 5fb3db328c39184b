#pragma once

#include "ledger/entry_queries.h"
#include "store/entry_kind.h"

#include <QGroupBox>

class QLabel;

// The entry page's small sum: a budget against this month's spending on the expense
// page, this month's income against last month's on the income page, and the
// difference underneath.
class EntryInfoBox : public QGroupBox {
    Q_OBJECT
public:
    explicit EntryInfoBox(QWidget *parent = nullptr);

    // The captions for a kind; the figures are emptied.
    void setKind(EntryKind kind);
    void showBudget(const EntryQueries::BudgetInfo &info);
    void showIncome(const EntryQueries::IncomeInfo &info);

private:
    void showFigures(const std::optional<Money> &first, const std::optional<Money> &second);

    QLabel *m_title;
    QLabel *m_firstLabel;
    QLabel *m_secondLabel;
    QLabel *m_first;
    QLabel *m_second;
    QLabel *m_difference;
};

// A figure as the box shows it: a plain number, "0" when there is none.
QString infoFigureText(const std::optional<Money> &value);
// first minus second, in the same form.
QString infoDifferenceText(const std::optional<Money> &first, const std::optional<Money> &second);

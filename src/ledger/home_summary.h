#pragma once

#include "store/money.h"

#include <QDate>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

class Database;

// Everything the home page shows apart from the signature, computed in one refresh.
// An empty figure (no accounts, a month without entries) is std::nullopt.
struct HomeSummary {
    std::optional<Money> funds;  // sum of balances
    std::optional<Money> claims; // money lent out
    std::optional<Money> debts;  // money borrowed
    std::optional<Money> totalAssets;
    std::optional<Money> netAssets;
    std::optional<Money> incomeThisMonth;
    std::optional<Money> expenseThisMonth;
    std::optional<Money> incomeLastMonth;
    std::optional<Money> expenseLastMonth;
    // Largest categories of all time, largest first; ties at fifth place all kept.
    std::vector<std::pair<QString, Money>> expenseRanking;
    std::vector<std::pair<QString, Money>> incomeRanking;
    // Some sum left the currency range (a file written elsewhere): its figure is empty,
    // and the page says so.
    bool outOfRange = false;
};

// Recomputes the account totals, then reads the figures for the month of `today`
// and the month before it (December of the year before, in January).
HomeSummary computeHomeSummary(Database &db, const QDate &today);

// Text of a figure: plain decimal, empty when there is none.
QString figureText(const std::optional<Money> &value);

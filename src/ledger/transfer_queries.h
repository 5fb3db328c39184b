#pragma once

#include <QDate>
#include <QString>
#include <optional>

class BatchTableModel;
class Database;

// The transfers of a period and their deletes.
namespace TransferQueries {

// Transfers whose time lies between the two days at midnight: a transfer made later on
// the last day falls outside.
QString transfersSelect();
void configureTransfers(BatchTableModel &model);
// Reads the transfers of the period, dropping unsaved edits.
void loadPeriod(BatchTableModel &model, const QDate &from, const QDate &to);

// Why a transfer row cannot be saved: a pending row without a date, or without both its
// accounts (its amount would leave one account and arrive nowhere). Nothing when every
// pending row may be saved.
struct TransferRefusal {
    int row;
    QString message;
};
std::optional<TransferRefusal> checkPendingTransfers(const BatchTableModel &model);

// Deletes the transfer and zeroes every account's transfer totals (the recomputation
// before any display rebuilds them), all or nothing.
void deleteTransfer(Database &db, qint64 id);

} // namespace TransferQueries

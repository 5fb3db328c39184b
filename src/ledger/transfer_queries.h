#pragma once

#include <QDate>
#include <QString>

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

// Deletes the transfer and zeroes every account's transfer totals (the recomputation
// before any display rebuilds them), all or nothing.
void deleteTransfer(Database &db, qint64 id);

} // namespace TransferQueries

#pragma once

#include "ledger/batch_table_model.h"

#include <QString>
#include <QVariant>

class Database;

// Money borrowed ("S") and lent ("Z"): the list of one class, deletes and saves.
namespace LoanQueries {

// All loans of the class, or only those whose stored outstanding amount is not 0.
QString loansSelect(bool onlyOutstanding);
void configureLoans(BatchTableModel &model);
// Reads the loans of the class with the chosen text, dropping unsaved edits.
void loadClass(BatchTableModel &model, const QString &loanClass, bool onlyOutstanding);

// Principal less repaid, an empty amount counting as 0; invalid when it overflows.
QVariant outstanding(const QVariant &principal, const QVariant &repaid);

// Deletes the loan and zeroes every account's loan totals (the recomputation before
// any display rebuilds them), all or nothing.
void deleteLoan(Database &db, qint64 id);

// Writes the pending rows and refreshes the stored outstanding amount of every loan,
// committed together. On failure nothing is stored and the rows stay pending. A new
// loan that has no class yet takes loanClass, the class on show.
BatchTableModel::SaveResult saveLoans(Database &db, BatchTableModel &model,
                                      const QString &loanClass);

} // namespace LoanQueries

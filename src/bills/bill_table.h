#pragma once

#include "bills/bill_row.h"
#include "bills/csv_tokenizer.h"

#include <QStringList>

// The columns of a payment service's bill, each with the headings it goes by (newer and
// older exports name some differently). The columns are found by heading, so their
// order does not matter.
struct BillLayout {
    BillSource source = BillSource::Csv;
    QStringList time, classification, counterpart, item, kind, amount, paymentMethod, status,
        transactionNumber, merchantOrderNumber, remark;
    // At least one of these headings tells this service's bill from another's.
    QStringList distinctive;
};

// The heading record: the first that names the time, kind and amount columns and one of
// the distinctive ones. -1 when there is none.
qsizetype findBillHeading(const QList<CsvRecord> &records, const BillLayout &layout);

// Reads the rows under the heading. The header block above it is passed over; so are
// records after it with at most one filled field (blank lines, separator and summary
// lines). A row whose time or amount cannot be read, or that lacks the columns, is
// refused; the bill rules then skip what should not become entries.
BillReadResult readBillTable(const QList<CsvRecord> &records, const BillLayout &layout);

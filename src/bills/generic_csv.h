#pragma once

#include "bills/bill_row.h"
#include "bills/csv_tokenizer.h"
#include "bills/text_encoding.h"

#include <QByteArray>
#include <QStringList>

// How the columns of a bank statement (or any other CSV) make bill rows. Columns are
// counted from 0; -1 is "none".
struct CsvMapping {
    enum class AmountMode {
        Signed,     // one amount column: positive is income, negative expense
        WithKind,   // an unsigned amount and a column saying which way it went
        TwoColumns, // separate income and expense columns, one of them filled
    };

    int headingRecord = -1; // index of the heading record; rows follow it (-1: from the top)
    AmountMode amountMode = AmountMode::Signed;
    int dateColumn = -1;
    int amountColumn = -1; // Signed and WithKind
    int kindColumn = -1;   // WithKind
    int incomeColumn = -1; // TwoColumns
    int expenseColumn = -1;
    int counterpartColumn = -1;
    int noteColumn = -1;
    // WithKind: the kind column's texts, compared whole after trimming.
    QStringList incomeTexts{QStringLiteral("收入"), QStringLiteral("收"), QStringLiteral("贷"),
                            QStringLiteral("存入"), QStringLiteral("转入")};
    QStringList expenseTexts{QStringLiteral("支出"), QStringLiteral("支"), QStringLiteral("借"),
                             QStringLiteral("支取"), QStringLiteral("转出")};
    QStringList neutralTexts{QStringLiteral("不计收支")};

    // The date and the amount columns the mode needs are set.
    bool isComplete() const;
};

// Decodes and splits a CSV file.
QList<CsvRecord> loadCsv(const QByteArray &bytes, TextEncoding encoding = TextEncoding::Auto);

// Finds the heading among the first records and maps the columns from common headings
// (日期/交易日期/记账日期, 金额/交易金额, 收入/支出, 借方/贷方发生额, 收/支, 对方户名,
// 摘要/备注 ...). Incomplete when no record looks like a heading.
CsvMapping guessCsvMapping(const QList<CsvRecord> &records);

// Reads the rows below the mapping's heading. Records with at most one filled field are
// passed over; a row whose date or amount cannot be read is refused; neutral and zero
// rows are skipped.
BillReadResult readGenericCsv(const QList<CsvRecord> &records, const CsvMapping &mapping);

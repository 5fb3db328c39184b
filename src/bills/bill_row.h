#pragma once

#include "store/money.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Where a row came from.
enum class BillSource { Alipay, WeChat, Csv };

// Which way the money went. Neutral rows (a top-up, a withdrawal, a repayment) move money
// between the household's own purses and are never imported.
enum class BillKind { Income, Expense, Neutral };

// Ok rows are proposed for import. Skipped rows were read fine but should not become
// entries (neutral, unfinished or refunded trades); Refused rows could not be read.
// Both carry a reason the preview shows.
enum class BillRowState { Ok, Skipped, Refused };

// One line of a payment bill or bank statement, normalized. Texts are trimmed; a lone
// "/" (the WeChat bill's "nothing here") is read as empty.
struct BillRow {
    BillSource source = BillSource::Csv;
    QDateTime time;
    BillKind kind = BillKind::Neutral;
    Money amount; // never negative; the kind gives the direction
    QString counterpart;
    QString item;           // goods or description
    QString classification; // the bill's own class (Alipay 交易分类, WeChat 交易类型)
    QString paymentMethod;
    QString status;
    QString transactionNumber;
    QString merchantOrderNumber;
    QString remark;
    int line = 0; // where the row starts in the file (sheet row number for a workbook)
    BillRowState state = BillRowState::Ok;
    QString reason; // why Skipped or Refused

    bool isOk() const { return state == BillRowState::Ok; }
    void skip(const QString &why) {
        state = BillRowState::Skipped;
        reason = why;
    }
    void refuse(const QString &why) {
        state = BillRowState::Refused;
        reason = why;
    }
};

// A whole file read: its rows, or why the file itself could not be read.
struct BillReadResult {
    QList<BillRow> rows;
    QString error; // set when nothing could be read (no heading row, not a workbook, ...)

    bool ok() const { return error.isEmpty(); }
    qsizetype count(BillRowState state) const;
};

// "支付宝", "微信支付", "CSV".
QString billSourceText(BillSource source);
// "收入", "支出", "不计收支".
QString billKindText(BillKind kind);

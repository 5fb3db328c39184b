#pragma once

#include "bills/bill_row.h"
#include "bills/text_encoding.h"

#include <QByteArray>
#include <QString>

enum class BillFileKind { Unknown, Alipay, WeChatCsv, WeChatXlsx, GenericCsv };

// Tells a file's kind from its content, whatever its name: a workbook whose first sheet
// has the WeChat heading, a CSV with the Alipay or the WeChat heading, or a CSV with a
// heading the generic mapping recognises.
BillFileKind detectBillFile(const QByteArray &bytes, TextEncoding encoding = TextEncoding::Auto);

// "支付宝账单", "微信支付账单（CSV）", ...
QString billFileKindText(BillFileKind kind);

// A file's kind and its rows, the text decoded and split only once.
struct DetectedBill {
    BillFileKind kind = BillFileKind::Unknown;
    BillReadResult read; // an error when the kind is Unknown
};
DetectedBill readDetectedBill(const QByteArray &bytes, TextEncoding encoding = TextEncoding::Auto);

// Reads a file of the given kind; a generic CSV with the guessed mapping.
BillReadResult readBillData(const QByteArray &bytes, BillFileKind kind,
                            TextEncoding encoding = TextEncoding::Auto);

// A bill file's bytes; empty with *error set when it cannot be opened or is far larger
// than any bill.
QByteArray readBillBytes(const QString &path, QString *error);

// Opens, detects and reads a file in one go.
BillReadResult readBillFile(const QString &path, TextEncoding encoding = TextEncoding::Auto);

#include "bills/bill_detect.h"

#include "bills/alipay_bill.h"
#include "bills/generic_csv.h"
#include "bills/wechat_bill.h"
#include "bills/xlsx_sheet.h"

#include <QFile>

namespace {

// Larger than any household's yearly bill; reading stops there instead of filling memory.
constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

bool isZip(const QByteArray &bytes) {
    return bytes.startsWith(QByteArrayLiteral("PK\x03\x04"));
}

} // namespace

BillFileKind detectBillFile(const QByteArray &bytes, TextEncoding encoding) {
    if (isZip(bytes)) {
        const SheetReadResult sheet = readFirstSheet(bytes);
        return sheet.ok() && findBillHeading(sheet.rows, weChatLayout()) >= 0
                   ? BillFileKind::WeChatXlsx
                   : BillFileKind::Unknown;
    }
    const QList<CsvRecord> records = loadCsv(bytes, encoding);
    if (findBillHeading(records, alipayLayout()) >= 0)
        return BillFileKind::Alipay;
    if (findBillHeading(records, weChatLayout()) >= 0)
        return BillFileKind::WeChatCsv;
    if (guessCsvMapping(records).isComplete())
        return BillFileKind::GenericCsv;
    return BillFileKind::Unknown;
}

DetectedBill readDetectedBill(const QByteArray &bytes, TextEncoding encoding) {
    DetectedBill bill;
    if (isZip(bytes)) {
        const SheetReadResult sheet = readFirstSheet(bytes);
        if (sheet.ok() && findBillHeading(sheet.rows, weChatLayout()) >= 0) {
            bill.kind = BillFileKind::WeChatXlsx;
            bill.read = readBillTable(sheet.rows, weChatLayout());
        }
    } else {
        const QList<CsvRecord> records = loadCsv(bytes, encoding);
        if (findBillHeading(records, alipayLayout()) >= 0) {
            bill.kind = BillFileKind::Alipay;
            bill.read = readBillTable(records, alipayLayout());
        } else if (findBillHeading(records, weChatLayout()) >= 0) {
            bill.kind = BillFileKind::WeChatCsv;
            bill.read = readBillTable(records, weChatLayout());
        } else if (const CsvMapping mapping = guessCsvMapping(records); mapping.isComplete()) {
            bill.kind = BillFileKind::GenericCsv;
            bill.read = readGenericCsv(records, mapping);
        }
    }
    if (bill.kind == BillFileKind::Unknown)
        bill.read.error = QStringLiteral("无法识别的账单文件");
    return bill;
}

QString billFileKindText(BillFileKind kind) {
    switch (kind) {
    case BillFileKind::Unknown:
        return QStringLiteral("无法识别的文件");
    case BillFileKind::Alipay:
        return QStringLiteral("支付宝账单");
    case BillFileKind::WeChatCsv:
        return QStringLiteral("微信支付账单（CSV）");
    case BillFileKind::WeChatXlsx:
        return QStringLiteral("微信支付账单（Excel）");
    case BillFileKind::GenericCsv:
        return QStringLiteral("CSV 文件");
    }
    return {};
}

BillReadResult readBillData(const QByteArray &bytes, BillFileKind kind, TextEncoding encoding) {
    switch (kind) {
    case BillFileKind::Alipay:
        return readAlipayBill(bytes, encoding);
    case BillFileKind::WeChatCsv:
        return readWeChatCsv(bytes, encoding);
    case BillFileKind::WeChatXlsx:
        return readWeChatXlsx(bytes);
    case BillFileKind::GenericCsv: {
        const QList<CsvRecord> records = loadCsv(bytes, encoding);
        return readGenericCsv(records, guessCsvMapping(records));
    }
    case BillFileKind::Unknown:
        break;
    }
    BillReadResult result;
    result.error = QStringLiteral("无法识别的账单文件");
    return result;
}

QByteArray readBillBytes(const QString &path, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("无法打开文件：%1").arg(file.errorString());
        return {};
    }
    if (file.size() > MaxFileSize) {
        *error = QStringLiteral("文件过大，不像是账单");
        return {};
    }
    return file.readAll();
}

BillReadResult readBillFile(const QString &path, TextEncoding encoding) {
    BillReadResult result;
    const QByteArray bytes = readBillBytes(path, &result.error);
    if (!result.ok())
        return result;
    return readDetectedBill(bytes, encoding).read;
}

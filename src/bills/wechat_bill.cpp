#include "bills/wechat_bill.h"

#include "bills/xlsx_sheet.h"

const BillLayout &weChatLayout() {
    static const BillLayout layout{
        .source = BillSource::WeChat,
        .time = {QStringLiteral("交易时间")},
        .classification = {QStringLiteral("交易类型")},
        .counterpart = {QStringLiteral("交易对方")},
        .item = {QStringLiteral("商品")},
        .kind = {QStringLiteral("收/支")},
        .amount = {QStringLiteral("金额(元)"), QStringLiteral("金额（元）"),
                   QStringLiteral("金额")},
        .paymentMethod = {QStringLiteral("支付方式")},
        .status = {QStringLiteral("当前状态")},
        .transactionNumber = {QStringLiteral("交易单号")},
        .merchantOrderNumber = {QStringLiteral("商户单号")},
        .remark = {QStringLiteral("备注")},
        .distinctive = {QStringLiteral("当前状态"), QStringLiteral("交易单号"),
                        QStringLiteral("商户单号")},
    };
    return layout;
}

BillReadResult readWeChatCsv(const QByteArray &bytes, TextEncoding encoding) {
    return readBillTable(parseCsv(decodeText(bytes, encoding).text), weChatLayout());
}

BillReadResult readWeChatXlsx(const QByteArray &bytes) {
    const SheetReadResult sheet = readFirstSheet(bytes);
    if (!sheet.ok()) {
        BillReadResult result;
        result.error = sheet.error;
        return result;
    }
    return readBillTable(sheet.rows, weChatLayout());
}

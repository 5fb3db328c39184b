#include "bills/alipay_bill.h"

const BillLayout &alipayLayout() {
    static const BillLayout layout{
        .source = BillSource::Alipay,
        .time = {QStringLiteral("交易时间"), QStringLiteral("交易创建时间"),
                 QStringLiteral("付款时间")},
        .classification = {QStringLiteral("交易分类"), QStringLiteral("类型")},
        .counterpart = {QStringLiteral("交易对方")},
        .item = {QStringLiteral("商品说明"), QStringLiteral("商品名称")},
        .kind = {QStringLiteral("收/支")},
        .amount = {QStringLiteral("金额"), QStringLiteral("金额（元）"),
                   QStringLiteral("金额(元)")},
        .paymentMethod = {QStringLiteral("收/付款方式")},
        .status = {QStringLiteral("交易状态")},
        .transactionNumber = {QStringLiteral("交易订单号"), QStringLiteral("交易号")},
        .merchantOrderNumber = {QStringLiteral("商家订单号")},
        .remark = {QStringLiteral("备注")},
        .distinctive = {QStringLiteral("交易订单号"), QStringLiteral("商家订单号"),
                        QStringLiteral("交易分类")},
    };
    return layout;
}

BillReadResult readAlipayBill(const QByteArray &bytes, TextEncoding encoding) {
    return readBillTable(parseCsv(decodeText(bytes, encoding).text), alipayLayout());
}

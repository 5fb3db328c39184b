#pragma once

#include "bills/bill_row.h"
#include "bills/bill_table.h"
#include "bills/text_encoding.h"

#include <QByteArray>

// The columns of the bill Alipay exports as CSV (GBK): 交易时间, 交易分类, 交易对方,
// 对方账号, 商品说明, 收/支, 金额, 收/付款方式, 交易状态, 交易订单号, 商家订单号, 备注,
// under a block of header lines. Older exports' names for the same columns are accepted.
const BillLayout &alipayLayout();

// Reads an Alipay bill. Auto encoding tells GBK from UTF-8 (a bill re-saved by a
// spreadsheet program may be either).
BillReadResult readAlipayBill(const QByteArray &bytes, TextEncoding encoding = TextEncoding::Auto);

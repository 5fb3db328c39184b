#pragma once

#include "bills/bill_row.h"
#include "bills/bill_table.h"
#include "bills/text_encoding.h"

#include <QByteArray>

// The columns of the bill WeChat Pay exports (CSV in UTF-8 with a byte order mark, or a
// workbook): 交易时间, 交易类型, 交易对方, 商品, 收/支, 金额(元) ("¥25.00"), 支付方式,
// 当前状态, 交易单号, 商户单号, 备注, under a block of header lines.
const BillLayout &weChatLayout();

BillReadResult readWeChatCsv(const QByteArray &bytes, TextEncoding encoding = TextEncoding::Auto);

// The same bill as an .xlsx workbook: its first worksheet. Times may be text or the
// workbook's day numbers, amounts text or numbers.
BillReadResult readWeChatXlsx(const QByteArray &bytes);

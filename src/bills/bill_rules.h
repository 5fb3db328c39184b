#pragma once

#include "bills/bill_row.h"

#include <QList>

// Which rows of a payment bill become entries. A row already refused stays refused;
// otherwise, in this order:
//  - a neutral row (收/支 "不计收支", "/" or empty) is skipped: it moves money between
//    the household's own purses;
//  - a zero amount is skipped;
//  - a trade that did not go through is skipped: its status says 关闭, 失败, 撤销, 取消,
//    未支付 or 等待付款. (Alipay also closes a trade that was paid and then refunded in
//    full.)
//  - a trade refunded or returned in full is skipped: 全额退款 (WeChat) or 已退还 (a WeChat
//    transfer that came back);
//  - a refund (an income whose status or class says 退款) of a trade skipped above is
//    skipped too, so that neither half of the pair is counted. It belongs to that trade
//    when its number starts with the trade's number and "_" (Alipay), when both carry
//    the same merchant order number, or when it has the same counterpart and amount and
//    comes no earlier. A refund whose trade is not skipped (a partial refund) or not in
//    the file (bought in an earlier bill) stays an income.
// Everything else, including trades still waiting for delivery, is Ok.
void applyBillRules(QList<BillRow> &rows);

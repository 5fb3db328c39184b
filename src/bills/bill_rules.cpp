#include "bills/bill_rules.h"

namespace {

bool containsAny(const QString &text, std::initializer_list<const char16_t *> words) {
    for (const char16_t *word : words) {
        if (text.contains(QStringView(word)))
            return true;
    }
    return false;
}

bool notCompleted(const BillRow &row) {
    return containsAny(row.status, {u"关闭", u"失败", u"撤销", u"取消", u"未支付", u"等待付款"});
}

bool refundedInFull(const BillRow &row) {
    return containsAny(row.status, {u"全额退款", u"已退还"});
}

bool isRefund(const BillRow &row) {
    return row.kind == BillKind::Income &&
           (row.status.contains(u"退款") || row.classification.contains(u"退款"));
}

// A trade whose refund is left out with it.
bool cancelledTrade(const BillRow &row) {
    return row.state == BillRowState::Skipped && row.kind != BillKind::Neutral &&
           (notCompleted(row) || refundedInFull(row));
}

bool refundOf(const BillRow &refund, const BillRow &trade) {
    if (refund.source != trade.source || &refund == &trade)
        return false;
    if (!trade.transactionNumber.isEmpty() &&
        refund.transactionNumber.startsWith(trade.transactionNumber + u'_'))
        return true;
    if (!trade.merchantOrderNumber.isEmpty() &&
        refund.merchantOrderNumber == trade.merchantOrderNumber)
        return true;
    return !trade.counterpart.isEmpty() && refund.counterpart == trade.counterpart &&
           refund.amount == trade.amount && refund.time >= trade.time;
}

} // namespace

void applyBillRules(QList<BillRow> &rows) {
    for (BillRow &row : rows) {
        if (row.state != BillRowState::Ok)
            continue;
        if (row.kind == BillKind::Neutral)
            row.skip(QStringLiteral("不计收支"));
        else if (row.amount == Money())
            row.skip(QStringLiteral("金额为零"));
        else if (notCompleted(row))
            row.skip(QStringLiteral("交易未成功（%1）").arg(row.status));
        else if (refundedInFull(row))
            row.skip(QStringLiteral("已全额退款（%1）").arg(row.status));
    }

    // Each left-out trade takes at most one refund with it.
    QList<bool> taken(rows.size(), false);
    for (BillRow &refund : rows) {
        if (refund.state != BillRowState::Ok || !isRefund(refund))
            continue;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const BillRow &trade = rows[i];
            if (!taken[i] && cancelledTrade(trade) && refundOf(refund, trade)) {
                taken[i] = true;
                refund.skip(QStringLiteral("原交易已关闭或已全额退款（第%1行）").arg(trade.line));
                break;
            }
        }
    }
}

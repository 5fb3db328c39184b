#include "bills/bill_row.h"

#include <algorithm>

qsizetype BillReadResult::count(BillRowState state) const {
    return std::count_if(rows.begin(), rows.end(),
                         [state](const BillRow &row) { return row.state == state; });
}

QString billSourceText(BillSource source) {
    switch (source) {
    case BillSource::Alipay:
        return QStringLiteral("支付宝");
    case BillSource::WeChat:
        return QStringLiteral("微信支付");
    case BillSource::Csv:
        return QStringLiteral("CSV");
    }
    return {};
}

QString billKindText(BillKind kind) {
    switch (kind) {
    case BillKind::Income:
        return QStringLiteral("收入");
    case BillKind::Expense:
        return QStringLiteral("支出");
    case BillKind::Neutral:
        return QStringLiteral("不计收支");
    }
    return {};
}

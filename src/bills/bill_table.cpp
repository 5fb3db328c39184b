#include "bills/bill_table.h"

#include "bills/bill_fields.h"
#include "bills/bill_rules.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

QString normalizedHeading(const QString &text) {
    QString heading = text;
    heading.remove(QChar(0xFEFF));
    heading.remove(QRegularExpression(QStringLiteral("\\s")));
    return heading;
}

int columnOf(const QStringList &headings, const QStringList &names) {
    for (const QString &name : names) {
        const int column = int(headings.indexOf(name));
        if (column >= 0)
            return column;
    }
    return -1;
}

QStringList headingsOf(const CsvRecord &record) {
    QStringList headings;
    for (const QString &field : record.fields)
        headings.append(normalizedHeading(field));
    return headings;
}

bool isHeading(const QStringList &headings, const BillLayout &layout) {
    return columnOf(headings, layout.time) >= 0 && columnOf(headings, layout.kind) >= 0 &&
           columnOf(headings, layout.amount) >= 0 && columnOf(headings, layout.distinctive) >= 0;
}

qsizetype filledFields(const CsvRecord &record) {
    return std::count_if(record.fields.begin(), record.fields.end(),
                         [](const QString &field) { return !BillFields::text(field).isEmpty(); });
}

struct Columns {
    int time, classification, counterpart, item, kind, amount, paymentMethod, status,
        transactionNumber, merchantOrderNumber, remark;
};

BillRow readRow(const CsvRecord &record, const Columns &columns, BillSource source) {
    auto field = [&record](int column) {
        return column >= 0 && column < record.fields.size()
                   ? BillFields::text(record.fields[column])
                   : QString();
    };
    BillRow row;
    row.source = source;
    row.line = record.line;
    row.classification = field(columns.classification);
    row.counterpart = field(columns.counterpart);
    row.item = field(columns.item);
    row.paymentMethod = field(columns.paymentMethod);
    row.status = field(columns.status);
    row.transactionNumber = field(columns.transactionNumber);
    row.merchantOrderNumber = field(columns.merchantOrderNumber);
    row.remark = field(columns.remark);

    const QString kind = field(columns.kind);
    row.kind = kind == u"收入"   ? BillKind::Income
               : kind == u"支出" ? BillKind::Expense
                                 : BillKind::Neutral;

    const int needed = std::max({columns.time, columns.kind, columns.amount});
    if (record.fields.size() <= needed) {
        row.refuse(QStringLiteral("列数不足：只有%1列").arg(record.fields.size()));
        return row;
    }
    const QString time = field(columns.time);
    row.time = BillFields::dateTime(time);
    if (!row.time.isValid()) {
        row.refuse(QStringLiteral("交易时间无法识别：%1").arg(time));
        return row;
    }
    QString error;
    const std::optional<Money> amount = BillFields::amount(record.fields[columns.amount], &error);
    if (!amount) {
        row.refuse(error);
        return row;
    }
    if (*amount < Money()) {
        row.refuse(QStringLiteral("金额不应为负：%1").arg(field(columns.amount)));
        return row;
    }
    row.amount = *amount;
    return row;
}

} // namespace

qsizetype findBillHeading(const QList<CsvRecord> &records, const BillLayout &layout) {
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (isHeading(headingsOf(records[i]), layout))
            return i;
    }
    return -1;
}

BillReadResult readBillTable(const QList<CsvRecord> &records, const BillLayout &layout) {
    BillReadResult result;
    const qsizetype heading = findBillHeading(records, layout);
    if (heading < 0) {
        result.error = QStringLiteral("找不到%1账单的标题行（交易时间、收/支、金额）")
                           .arg(billSourceText(layout.source));
        return result;
    }
    const QStringList headings = headingsOf(records[heading]);
    const Columns columns{
        columnOf(headings, layout.time),
        columnOf(headings, layout.classification),
        columnOf(headings, layout.counterpart),
        columnOf(headings, layout.item),
        columnOf(headings, layout.kind),
        columnOf(headings, layout.amount),
        columnOf(headings, layout.paymentMethod),
        columnOf(headings, layout.status),
        columnOf(headings, layout.transactionNumber),
        columnOf(headings, layout.merchantOrderNumber),
        columnOf(headings, layout.remark),
    };
    for (qsizetype i = heading + 1; i < records.size(); ++i) {
        if (filledFields(records[i]) > 1)
            result.rows.append(readRow(records[i], columns, layout.source));
    }
    applyBillRules(result.rows);
    return result;
}

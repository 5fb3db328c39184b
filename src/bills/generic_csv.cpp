#include "bills/generic_csv.h"

#include "bills/bill_fields.h"
#include "bills/bill_rules.h"

#include <QRegularExpression>
#include <algorithm>
#include <limits>

namespace {

// How far down a statement's heading may sit under its header block.
constexpr qsizetype HeadingSearchDepth = 50;

QStringList names(std::initializer_list<const char16_t *> words) {
    QStringList list;
    for (const char16_t *word : words)
        list.append(QString::fromUtf16(word));
    return list;
}

// "金额(元)" and "交易金额 （人民币）" name the same columns as "金额" and "交易金额".
QString normalizedHeading(const QString &text) {
    static const QRegularExpression unit(QStringLiteral("[（(][^）)]*[）)]$"));
    QString heading = text;
    heading.remove(QChar(0xFEFF));
    heading.remove(QRegularExpression(QStringLiteral("\\s")));
    heading.remove(unit);
    return heading;
}

int columnOf(const QStringList &headings, const QStringList &candidates) {
    for (const QString &candidate : candidates) {
        const int column = int(headings.indexOf(candidate));
        if (column >= 0)
            return column;
    }
    return -1;
}

CsvMapping mappingFor(const CsvRecord &record) {
    static const QStringList dates =
        names({u"交易日期", u"记账日期", u"日期", u"交易时间", u"入账日期", u"记账时间", u"时间"});
    static const QStringList amounts =
        names({u"交易金额", u"金额", u"发生额", u"收支金额", u"记账金额"});
    static const QStringList incomes =
        names({u"收入", u"收入金额", u"存入", u"存入金额", u"贷方发生额", u"贷方金额", u"贷方"});
    static const QStringList expenses =
        names({u"支出", u"支出金额", u"支取", u"支取金额", u"借方发生额", u"借方金额", u"借方"});
    static const QStringList kinds =
        names({u"收/支", u"收支", u"收支类型", u"借贷标志", u"借贷方向", u"借贷", u"收付标志"});
    static const QStringList counterparts = names(
        {u"对方户名", u"交易对方", u"对方名称", u"对方账户名称", u"对方账户名", u"收/付款人"});
    static const QStringList notes =
        names({u"摘要", u"备注", u"交易摘要", u"用途", u"附言", u"说明", u"交易备注"});

    QStringList headings;
    for (const QString &field : record.fields)
        headings.append(normalizedHeading(field));

    CsvMapping mapping;
    mapping.dateColumn = columnOf(headings, dates);
    mapping.amountColumn = columnOf(headings, amounts);
    mapping.kindColumn = columnOf(headings, kinds);
    mapping.incomeColumn = columnOf(headings, incomes);
    mapping.expenseColumn = columnOf(headings, expenses);
    mapping.counterpartColumn = columnOf(headings, counterparts);
    mapping.noteColumn = columnOf(headings, notes);
    if (mapping.incomeColumn >= 0 && mapping.expenseColumn >= 0)
        mapping.amountMode = CsvMapping::AmountMode::TwoColumns;
    else if (mapping.kindColumn >= 0)
        mapping.amountMode = CsvMapping::AmountMode::WithKind;
    return mapping;
}

qsizetype filledFields(const CsvRecord &record) {
    return std::count_if(record.fields.begin(), record.fields.end(),
                         [](const QString &field) { return !BillFields::text(field).isEmpty(); });
}

// The magnitude of an amount; nothing for the one value whose magnitude does not fit.
std::optional<Money> magnitude(Money money) {
    if (money.raw() == std::numeric_limits<qint64>::min())
        return std::nullopt;
    return money.raw() < 0 ? Money::fromRaw(-money.raw()) : money;
}

class RowReader {
public:
    RowReader(const CsvRecord &record, const CsvMapping &mapping)
        : m_record(record), m_mapping(mapping) {}

    BillRow read() {
        m_row.source = BillSource::Csv;
        m_row.line = m_record.line;
        m_row.counterpart = field(m_mapping.counterpartColumn);
        m_row.remark = field(m_mapping.noteColumn);
        if (!hasColumns()) {
            m_row.refuse(QStringLiteral("列数不足：只有%1列").arg(m_record.fields.size()));
            return m_row;
        }
        const QString date = field(m_mapping.dateColumn);
        m_row.time = BillFields::dateTime(date);
        if (!m_row.time.isValid())
            m_row.refuse(QStringLiteral("日期无法识别：%1").arg(date));
        else
            readAmount();
        return m_row;
    }

private:
    QString field(int column) const {
        return column >= 0 && column < m_record.fields.size()
                   ? BillFields::text(m_record.fields[column])
                   : QString();
    }

    QList<int> neededColumns() const {
        switch (m_mapping.amountMode) {
        case CsvMapping::AmountMode::Signed:
            return {m_mapping.dateColumn, m_mapping.amountColumn};
        case CsvMapping::AmountMode::WithKind:
            return {m_mapping.dateColumn, m_mapping.amountColumn, m_mapping.kindColumn};
        case CsvMapping::AmountMode::TwoColumns:
            return {m_mapping.dateColumn, m_mapping.incomeColumn, m_mapping.expenseColumn};
        }
        return {};
    }

    bool hasColumns() const {
        const QList<int> needed = neededColumns();
        return std::all_of(needed.begin(), needed.end(),
                           [this](int column) { return column < m_record.fields.size(); });
    }

    // An amount column's magnitude, and in *negative its sign. Nothing when the row was
    // refused for it. An empty cell reads as zero when blankIsZero.
    std::optional<Money> money(int column, bool blankIsZero, bool *negative = nullptr) {
        const QString text = field(column);
        if (blankIsZero && text.isEmpty())
            return Money();
        QString error;
        const std::optional<Money> value = BillFields::amount(text, &error);
        if (!value) {
            m_row.refuse(error);
            return std::nullopt;
        }
        if (negative)
            *negative = *value < Money();
        const std::optional<Money> size = magnitude(*value);
        if (!size)
            m_row.refuse(Money::errorText(Money::ParseError::OutOfRange));
        return size;
    }

    void readAmount() {
        switch (m_mapping.amountMode) {
        case CsvMapping::AmountMode::Signed: {
            bool negative = false;
            if (const std::optional<Money> amount =
                    money(m_mapping.amountColumn, false, &negative)) {
                m_row.kind = negative ? BillKind::Expense : BillKind::Income;
                m_row.amount = *amount;
            }
            return;
        }
        case CsvMapping::AmountMode::WithKind: {
            const QString kind = field(m_mapping.kindColumn);
            if (m_mapping.incomeTexts.contains(kind)) {
                m_row.kind = BillKind::Income;
            } else if (m_mapping.expenseTexts.contains(kind)) {
                m_row.kind = BillKind::Expense;
            } else if (m_mapping.neutralTexts.contains(kind)) {
                m_row.kind = BillKind::Neutral;
            } else {
                m_row.refuse(QStringLiteral("收支无法识别：%1").arg(kind));
                return;
            }
            if (const std::optional<Money> amount = money(m_mapping.amountColumn, false))
                m_row.amount = *amount;
            return;
        }
        case CsvMapping::AmountMode::TwoColumns: {
            const std::optional<Money> income = money(m_mapping.incomeColumn, true);
            if (!income)
                return;
            const std::optional<Money> expense = money(m_mapping.expenseColumn, true);
            if (!expense)
                return;
            if (*income != Money() && *expense != Money()) {
                m_row.refuse(QStringLiteral("收入和支出都有金额"));
                return;
            }
            m_row.kind = *expense != Money() ? BillKind::Expense : BillKind::Income;
            m_row.amount = *expense != Money() ? *expense : *income;
            return;
        }
        }
    }

    const CsvRecord &m_record;
    const CsvMapping &m_mapping;
    BillRow m_row;
};

} // namespace

bool CsvMapping::isComplete() const {
    if (dateColumn < 0)
        return false;
    switch (amountMode) {
    case AmountMode::Signed:
        return amountColumn >= 0;
    case AmountMode::WithKind:
        return amountColumn >= 0 && kindColumn >= 0;
    case AmountMode::TwoColumns:
        return incomeColumn >= 0 && expenseColumn >= 0;
    }
    return false;
}

QList<CsvRecord> loadCsv(const QByteArray &bytes, TextEncoding encoding) {
    return parseCsv(decodeText(bytes, encoding).text);
}

CsvMapping guessCsvMapping(const QList<CsvRecord> &records) {
    const qsizetype depth = std::min(records.size(), HeadingSearchDepth);
    for (qsizetype i = 0; i < depth; ++i) {
        CsvMapping mapping = mappingFor(records[i]);
        if (mapping.isComplete()) {
            mapping.headingRecord = int(i);
            return mapping;
        }
    }
    return CsvMapping();
}

BillReadResult readGenericCsv(const QList<CsvRecord> &records, const CsvMapping &mapping) {
    BillReadResult result;
    if (!mapping.isComplete()) {
        result.error = QStringLiteral("请指定日期列和金额列");
        return result;
    }
    for (qsizetype i = std::max(0, mapping.headingRecord + 1); i < records.size(); ++i) {
        if (filledFields(records[i]) > 1)
            result.rows.append(RowReader(records[i], mapping).read());
    }
    applyBillRules(result.rows);
    return result;
}

#include "ledger/import_plan.h"

#include "store/database.h"

#include <QSet>
#include <algorithm>

namespace {

// What the remark column holds (s_shouru.s_other).
constexpr qsizetype RemarkLength = 250;

std::optional<EntryKind> entryKindOf(BillKind kind) {
    switch (kind) {
    case BillKind::Income:
        return EntryKind::Income;
    case BillKind::Expense:
        return EntryKind::Expense;
    case BillKind::Neutral:
        break;
    }
    return std::nullopt;
}

// Where unmatched rows go until the user says otherwise: a category called "其他…" if
// the household has one, else its first.
std::optional<qint64> startingDefault(const QList<ImportBooks::Category> &categories,
                                      EntryKind kind) {
    std::optional<qint64> first;
    for (const ImportBooks::Category &c : categories) {
        if (c.kind != kind)
            continue;
        if (c.name.contains(u"其他"))
            return c.id;
        if (!first)
            first = c.id;
    }
    return first;
}

} // namespace

QString importStateText(ImportState state) {
    switch (state) {
    case ImportState::New:
        return QStringLiteral("新");
    case ImportState::Possible:
        return QStringLiteral("可能重复");
    case ImportState::Imported:
        return QStringLiteral("已导入");
    case ImportState::Skipped:
        return QStringLiteral("跳过");
    case ImportState::Refused:
        return QStringLiteral("无法读取");
    }
    return {};
}

QString ImportPlan::remarkFor(const BillRow &row) {
    QStringList parts;
    for (const QString &part : {row.counterpart, row.item, row.remark}) {
        const QString text = part.simplified(); // line breaks and tabs become one blank
        if (!text.isEmpty() && !parts.contains(text))
            parts.append(text);
    }
    QString remark = parts.join(u' ');
    if (remark.size() > RemarkLength) {
        qsizetype cut = RemarkLength;
        if (remark.at(cut - 1).isHighSurrogate())
            --cut; // never half a character
        remark.truncate(cut);
    }
    return remark;
}

QString ImportPlan::contentKey(const BillRow &row) {
    const QChar separator(0x1F); // cannot occur in a field, so fields never run together
    return QStringList{row.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                       billKindText(row.kind),
                       QString::number(row.amount.raw()),
                       row.counterpart,
                       row.item,
                       row.remark}
        .join(separator);
}

ImportPlan ImportPlan::build(Database &db, QList<BillRow> rows) {
    ImportPlan plan;
    plan.m_categories = ImportBooks::subCategories(db);
    for (qsizetype i = 0; i < plan.m_categories.size(); ++i)
        plan.m_categoryAt.insert(plan.m_categories[i].id, i);
    plan.m_rules = ImportBooks::rules(db);
    plan.m_defaultIncome = startingDefault(plan.m_categories, EntryKind::Income);
    plan.m_defaultExpense = startingDefault(plan.m_categories, EntryKind::Expense);

    QHash<QString, QSet<QString>> imported; // by source
    QHash<QString, int> occurrences;        // content keys of rows without a number
    QHash<QString, int> firstLine;          // source and key of the rows seen so far
    plan.m_rows.reserve(rows.size());
    for (BillRow &bill : rows) {
        ImportRow row;
        row.bill = std::move(bill);
        const BillRow &b = row.bill;
        if (b.state == BillRowState::Refused) {
            row.state = ImportState::Refused;
            row.reason = b.reason;
            plan.m_rows.append(std::move(row));
            continue;
        }
        row.kind = entryKindOf(b.kind);
        const QString source = ImportBooks::sourceId(b.source);
        if (!b.transactionNumber.isEmpty()) {
            row.key = b.transactionNumber;
        } else {
            const QString content = contentKey(b);
            const int occurrence = ++occurrences[source + QChar(0x1F) + content];
            // "~" starts no transaction number, so a made key never meets a real one.
            row.key = QStringLiteral("~%1#%2").arg(content).arg(occurrence);
        }
        auto known = imported.find(source);
        if (known == imported.end())
            known = imported.insert(source, ImportBooks::importedKeys(db, source));
        const QString seenKey = source + QChar(0x1F) + row.key;
        if (known->contains(row.key)) {
            row.state = ImportState::Imported;
        } else if (const auto seen = firstLine.constFind(seenKey); seen != firstLine.cend()) {
            row.state = ImportState::Imported;
            row.reason = QStringLiteral("与第%1行重复").arg(*seen);
        } else {
            firstLine.insert(seenKey, b.line);
            if (b.state == BillRowState::Skipped) {
                row.state = ImportState::Skipped;
                row.reason = b.reason;
            }
        }
        plan.m_rows.append(std::move(row));
    }

    // Entries typed in by hand before the bill came: the same day, kind and amount is
    // most likely the same purchase. Each such entry accounts for one row.
    QDate first, last;
    for (const ImportRow &row : std::as_const(plan.m_rows)) {
        if (row.state != ImportState::New || !row.kind)
            continue;
        const QDate day = row.bill.time.date();
        if (!first.isValid() || day < first)
            first = day;
        if (!last.isValid() || day > last)
            last = day;
    }
    if (first.isValid()) {
        QHash<ImportBooks::HandKey, int> hand = ImportBooks::handEntries(db, first, last);
        for (ImportRow &row : plan.m_rows) {
            if (row.state != ImportState::New || !row.kind)
                continue;
            auto match = hand.find({row.bill.time.date(), *row.kind, row.bill.amount.raw()});
            if (match == hand.end() || *match == 0)
                continue;
            --*match;
            row.state = ImportState::Possible;
            row.reason = QStringLiteral("同一天已有金额相同的%1，可能已手工记账")
                             .arg(*row.kind == EntryKind::Income ? QStringLiteral("收入")
                                                                 : QStringLiteral("支出"));
        }
    }

    QSet<QString> incomeNames, expenseNames;
    for (int i = 0; i < plan.m_rows.size(); ++i) {
        ImportRow &row = plan.m_rows[i];
        row.included = row.state == ImportState::New;
        if (!plan.canInclude(i) || row.bill.counterpart.isEmpty())
            continue;
        (*row.kind == EntryKind::Income ? incomeNames : expenseNames).insert(row.bill.counterpart);
    }
    plan.m_lastIncome = ImportBooks::lastCategories(db, EntryKind::Income, incomeNames.values());
    plan.m_lastExpense = ImportBooks::lastCategories(db, EntryKind::Expense, expenseNames.values());
    for (ImportRow &row : plan.m_rows)
        plan.propose(row);
    return plan;
}

void ImportPlan::propose(ImportRow &row) const {
    if (row.source == CategorySource::Chosen)
        return;
    row.categoryId.reset();
    row.source = CategorySource::None;
    if (!row.kind || row.state == ImportState::Imported || row.state == ImportState::Refused)
        return;
    const QHash<QString, qint64> &last =
        *row.kind == EntryKind::Income ? m_lastIncome : m_lastExpense;
    if (const auto it = last.constFind(row.bill.counterpart); it != last.cend()) {
        row.categoryId = *it;
        row.source = CategorySource::Counterpart;
        return;
    }
    if (!row.bill.classification.isEmpty()) {
        for (const ImportBooks::Rule &rule : m_rules) {
            if (rule.kind == *row.kind && rule.classification == row.bill.classification) {
                row.categoryId = rule.categoryId;
                row.source = CategorySource::Rule;
                return;
            }
        }
    }
    row.categoryId = defaultCategory(*row.kind);
    if (row.categoryId)
        row.source = CategorySource::Default;
}

ImportPlan::Counts ImportPlan::counts() const {
    Counts c;
    for (const ImportRow &row : m_rows) {
        switch (row.state) {
        case ImportState::New:
            ++c.newRows;
            break;
        case ImportState::Possible:
            ++c.possible;
            break;
        case ImportState::Imported:
            ++c.imported;
            break;
        case ImportState::Skipped:
            ++c.skipped;
            break;
        case ImportState::Refused:
            ++c.refused;
            break;
        }
        if (row.included)
            ++c.included;
    }
    return c;
}

const ImportBooks::Category *ImportPlan::category(qint64 id) const {
    const auto at = m_categoryAt.constFind(id);
    return at == m_categoryAt.cend() ? nullptr : &m_categories.at(*at);
}

std::optional<qint64> ImportPlan::defaultCategory(EntryKind kind) const {
    return kind == EntryKind::Income ? m_defaultIncome : m_defaultExpense;
}

void ImportPlan::setDefaultCategory(EntryKind kind, std::optional<qint64> id) {
    if (id) {
        const ImportBooks::Category *c = category(*id);
        if (!c || c->kind != kind)
            return;
    }
    (kind == EntryKind::Income ? m_defaultIncome : m_defaultExpense) = id;
    for (ImportRow &row : m_rows) {
        if (row.kind == kind &&
            (row.source == CategorySource::Default || row.source == CategorySource::None))
            propose(row);
    }
}

bool ImportPlan::canInclude(int index) const {
    if (index < 0 || index >= m_rows.size())
        return false;
    const ImportRow &row = m_rows[index];
    return row.kind.has_value() &&
           (row.state == ImportState::New || row.state == ImportState::Possible ||
            row.state == ImportState::Skipped);
}

bool ImportPlan::setIncluded(int index, bool included) {
    if (!canInclude(index))
        return false;
    m_rows[index].included = included;
    return true;
}

bool ImportPlan::setCategory(int index, qint64 categoryId) {
    if (index < 0 || index >= m_rows.size())
        return false;
    ImportRow &row = m_rows[index];
    const ImportBooks::Category *c = category(categoryId);
    if (!c || !row.kind || c->kind != *row.kind || row.state == ImportState::Imported)
        return false;
    row.categoryId = categoryId;
    row.source = CategorySource::Chosen;
    return true;
}

void ImportPlan::reloadRules(Database &db) {
    m_rules = ImportBooks::rules(db);
    for (ImportRow &row : m_rows)
        propose(row);
}

std::optional<int> ImportPlan::firstIncludedWithoutCategory() const {
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].included && !m_rows[i].categoryId)
            return int(i);
    }
    return std::nullopt;
}

QList<ImportBooks::NewEntry> ImportPlan::entries() const {
    QList<ImportBooks::NewEntry> list;
    for (const ImportRow &row : m_rows) {
        if (!row.included || !row.categoryId || !row.kind)
            continue;
        list.append({ImportBooks::sourceId(row.bill.source), row.key, row.bill.counterpart,
                     *row.kind, *row.categoryId, row.bill.amount, row.bill.time.date(),
                     remarkFor(row.bill)});
    }
    return list;
}

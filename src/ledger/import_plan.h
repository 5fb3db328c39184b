#pragma once

#include "bills/bill_row.h"
#include "ledger/import_books.h"
#include "store/entry_kind.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <optional>

class Database;

// What becomes of one bill row.
enum class ImportState {
    New,      // not in the books: imported unless the user leaves it out
    Possible, // an entry made by hand on that day, of that kind and amount, exists:
              // left out unless the user includes it
    Imported, // imported before, or a repeat of an earlier row of the same file
    Skipped,  // the bill rules left it out (neutral, failed or refunded trade)
    Refused,  // could not be read
};

// Where a row's category came from.
enum class CategorySource { None, Counterpart, Rule, Default, Chosen };

struct ImportRow {
    BillRow bill;
    ImportState state = ImportState::New;
    QString reason;                // why the row is not simply new
    QString key;                   // the duplicate key; empty for a refused row
    std::optional<EntryKind> kind; // none for neutral and refused rows
    std::optional<qint64> categoryId;
    CategorySource source = CategorySource::None;
    bool included = false;
};

// The preview of one bill: each row's state and proposed category, what the user
// changed, and the entries it makes. No widgets; the dialog shows and edits it.
//
// The duplicate key of a row is the bill's transaction number. A row without one (bank
// statements, the odd WeChat row) is keyed by its time, kind, amount, counterpart, item
// and note, and by which occurrence of that same row in the file it is: two identical
// bus rides on one day are two entries, and the same statement imported again finds
// both. Keys are kept per source, so an Alipay and a WeChat number never meet.
class ImportPlan {
public:
    struct Counts {
        int newRows = 0, possible = 0, imported = 0, skipped = 0, refused = 0, included = 0;
    };

    // Reads what the books know about the rows: the keys imported before, the entries
    // made by hand on the same days, each counterpart's last category, the rules.
    static ImportPlan build(Database &db, QList<BillRow> rows);

    const QList<ImportRow> &rows() const { return m_rows; }
    const ImportRow &row(int index) const { return m_rows.at(index); }
    Counts counts() const;

    // The entry's remark: counterpart, goods and the bill's note on one line, cut to
    // what the remark column holds.
    static QString remarkFor(const BillRow &row);
    // The key of a row without a transaction number, before its occurrence is added.
    static QString contentKey(const BillRow &row);

    const QList<ImportBooks::Category> &categories() const { return m_categories; }
    const ImportBooks::Category *category(qint64 id) const;

    // The category rows get when neither a counterpart nor a rule gives one.
    std::optional<qint64> defaultCategory(EntryKind kind) const;
    void setDefaultCategory(EntryKind kind, std::optional<qint64> id);

    // New, possible and skipped rows with a direction may be included.
    bool canInclude(int index) const;
    bool setIncluded(int index, bool included);
    // The user's choice; refused when the category is not a sub-category of the row's kind.
    bool setCategory(int index, qint64 categoryId);
    // The rules were edited: rows whose category the user did not choose are proposed again.
    void reloadRules(Database &db);

    // The first included row that has no category (there is no sub-category of its kind).
    std::optional<int> firstIncludedWithoutCategory() const;
    // The entries the included rows make.
    QList<ImportBooks::NewEntry> entries() const;

private:
    void propose(ImportRow &row) const;

    QList<ImportRow> m_rows;
    QList<ImportBooks::Category> m_categories;
    QHash<qint64, qsizetype> m_categoryAt;
    QList<ImportBooks::Rule> m_rules;
    QHash<QString, qint64> m_lastIncome, m_lastExpense; // by counterpart
    std::optional<qint64> m_defaultIncome, m_defaultExpense;
};

QString importStateText(ImportState state);

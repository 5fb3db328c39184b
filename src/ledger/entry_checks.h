#pragma once

#include "ledger/entry_queries.h"
#include "store/entry_kind.h"

#include <QChar>
#include <QString>
#include <QVariant>
#include <variant>

class Database;

// What the entry fields hold when Save is pressed.
struct EntryForm {
    QString payer; // the selectors' shown texts and keys
    QVariant payerId;
    QString category;
    QString amount;
    QString account;
    QVariant accountId;
    QString remark;
    QDate day;
};

// The field a refusal sends the focus to.
enum class EntryField { Payer, Category, Amount, Account };

struct EntryRefusal {
    EntryField field;
    QString message; // shown under "系统提示" with an error icon
};

// Checks the fields in the order the user is told about them, and gives either the
// first refusal or the values to store.
std::variant<EntryRefusal, EntryQueries::EntryValues> checkEntry(Database &db, EntryKind kind,
                                                                 const EntryForm &form);

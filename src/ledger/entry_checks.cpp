#include "ledger/entry_checks.h"

#include "store/database.h"

std::variant<EntryRefusal, EntryQueries::EntryValues> checkEntry(Database &db, EntryKind kind,
                                                                 const EntryForm &form) {
    const QString retypeCategory = QStringLiteral("对不起，请重新输入项目");
    if (form.payer.isEmpty())
        return EntryRefusal{EntryField::Payer, QStringLiteral("对不起，请选择付款人")};
    if (form.category.isEmpty())
        return EntryRefusal{EntryField::Category, retypeCategory};
    // Only the bare "0" counts as zero here; "0.0" and "00" go on and store zero.
    if (form.amount.isEmpty() || form.amount == QLatin1String("0"))
        return EntryRefusal{EntryField::Amount, QStringLiteral("对不起，金额不能为零")};
    if (form.account.isEmpty())
        return EntryRefusal{EntryField::Account, QStringLiteral("对不起，请选择账户")};
    const std::optional<qint64> category = EntryQueries::subCategoryId(db, kind, form.category);
    if (!category)
        return EntryRefusal{EntryField::Category, retypeCategory};
    // The typing filter lets blanks through and the calculator may write "1E15": what
    // is not an amount the books can hold is refused last, where storing would fail,
    // so the checks the user knows keep their order.
    Money::ParseError why = Money::ParseError::None;
    const std::optional<Money> amount = Money::parseTyped(form.amount, &why);
    if (why == Money::ParseError::TooLarge)
        return EntryRefusal{EntryField::Amount, QStringLiteral("对不起，金额不能超过一千亿")};
    if (!amount)
        return EntryRefusal{EntryField::Amount, QStringLiteral("对不起，金额格式不正确")};

    EntryQueries::EntryValues values;
    values.categoryId = *category;
    values.amount = *amount;
    values.payerId = form.payerId;
    values.accountId = form.accountId;
    values.remark = form.remark;
    values.day = form.day;
    return values;
}

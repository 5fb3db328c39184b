#include "core/app_context.h"
#include "core/questions.h"
#include "core/services.h"
#include "entry/amount_filter.h"
#include "entry/calculator_box.h"
#include "entry/category_list_box.h"
#include "entry/entry_info_box.h"
#include "entry/entry_page.h"
#include "entry/recent_days_chart.h"
#include "ledger/rows_model.h"
#include "store/database.h"
#include "store/dates.h"
#include "widgets/data_grid.h"
#include "widgets/lookup_delegate.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

namespace {
// The same entry in a reloaded list, one place higher; the first when it is gone.
void reloadOneUp(QComboBox *selector, const LookupList &list) {
    const QVariant chosen = selector->currentData();
    selector->clear();
    for (const LookupList::Entry &entry : list.entries())
        selector->addItem(entry.name, entry.id);
    const int at = chosen.isValid() ? selector->findData(chosen) : -1;
    selector->setCurrentIndex(selector->count() == 0 ? -1 : std::max(at - 1, 0));
}

} // namespace

void EntryPage::enter() {
    const EntryKind kind = m_nextKind;
    // An edit begun on the other kind's page would file that entry under a category
    // of this kind while it keeps its own kind: entering the other page ends it.
    if (m_kind && kind != *m_kind)
        endEdit();
    m_kind = kind;
    m_category->clear();
    m_categoryList->hide();

    m_info->setKind(kind);
    m_payerLabel->setText(kind == EntryKind::Income ? QStringLiteral("收款人")
                                                    : QStringLiteral("付款人"));

    if (kind == EntryKind::Expense) {
        try {
            m_categoryList->setTopCategories(EntryQueries::topCategories(m_context.db, kind));
        } catch (const DbError &) {
            m_context.prompts.inform(Captions::system(), QStringLiteral("错误"),
                                     Prompts::Icon::Error);
        }
    } else {
        m_categoryList->setTopCategories(EntryQueries::topCategories(m_context.db, kind));
    }
    m_chart->setDays(EntryQueries::recentDays(m_context.db, kind));
    queryDayList();
    reloadSelectors();
}

void EntryPage::reloadSelectors() {
    m_members->reload();
    m_accounts->reload();
    reloadOneUp(m_payer, *m_members);
    reloadOneUp(m_account, *m_accounts);
}

void EntryPage::queryDayList() {
    m_dayRows->setRows(EntryQueries::dayList(m_context.db, *m_kind, m_queryDate->date()));
    m_dayList->applyColumns({
        {.field = "编号", .width = 40},
        {.field = "时间", .width = 80, .format = ColumnFormat::Date},
        {.field = "项目", .width = 80},
        {.field = "收付款人", .width = 80},
        {.field = "金额", .width = 80, .format = ColumnFormat::YuanPicture, .sum = true},
        {.field = "账户", .width = 80},
        {.field = "备注", .width = width() - 420},
    });
    m_dayList->setFooterLabel(QStringLiteral("合计:"));
    m_dayList->viewport()->update();
}

void EntryPage::add() {
    m_mode = Mode::Add;
    m_amount->clear();
    m_remark->clear();
    m_category->clear();
    m_categoryList->hide();
    m_calculator->reset();
    AmountValidator::setProgramText(m_amount, QStringLiteral("0"));
}

void EntryPage::focusField(EntryField field) {
    switch (field) {
    case EntryField::Payer:
        m_payer->setFocus();
        break;
    case EntryField::Category:
        m_category->setFocus();
        break;
    case EntryField::Amount:
        m_amount->setFocus();
        break;
    case EntryField::Account:
        m_account->setFocus();
        break;
    }
}

void EntryPage::save() {
    EntryForm form;
    form.payer = m_payer->currentText();
    form.payerId = m_payer->currentData();
    form.category = m_category->text();
    form.amount = m_amount->text();
    form.account = m_account->currentText();
    form.accountId = m_account->currentData();
    form.remark = m_remark->text();
    form.day = m_entryDate->date();

    const auto checked = checkEntry(m_context.db, *m_kind, form);
    if (const auto *refusal = std::get_if<EntryRefusal>(&checked)) {
        m_context.prompts.inform(Captions::system(), refusal->message, Prompts::Icon::Error);
        focusField(refusal->field);
        return;
    }
    const auto &values = std::get<EntryQueries::EntryValues>(checked);
    if (m_mode == Mode::Add) {
        EntryQueries::insertEntry(m_context.db, *m_kind, values);
    } else if (EntryQueries::updateEntry(m_context.db, m_editId.value_or(0), values) == 0) {
        // The entry went away meanwhile (its category was deleted and the entries tidied).
        // Saying "saved" would lose what the user typed; keep it for a fresh save instead.
        endEdit();
        m_context.prompts.inform(
            Captions::system(),
            QStringLiteral("对不起，要修改的记录已不存在，再次保存将作为新记录保存"),
            Prompts::Icon::Error);
        queryDayList();
        return;
    }
    m_context.prompts.inform(Captions::system(), QStringLiteral("保存成功"), Prompts::Icon::None);
    queryDayList();
    add();
}

void EntryPage::remove() {
    if (!m_editId) {
        m_context.prompts.inform(Captions::system(), QStringLiteral("对不起，请先选择要删除的记录"),
                                 Prompts::Icon::Error);
        return;
    }
    if (!Questions::confirmDelete(m_context.prompts))
        return;
    EntryQueries::deleteEntry(m_context.db, *m_editId);
    queryDayList();
    endEdit();
}

void EntryPage::endEdit() {
    m_editId.reset();
    m_mode = Mode::Add;
}

void EntryPage::setEntryDateQuietly(const QDate &date) {
    const QSignalBlocker quiet(m_entryDate);
    m_entryDate->setDate(date);
}

void EntryPage::setQueryDateQuietly(const QDate &date) {
    const QSignalBlocker quiet(m_queryDate);
    m_queryDate->setDate(date);
}

void EntryPage::shiftDates(int days) {
    setEntryDateQuietly(m_entryDate->date().addDays(days));
    setQueryDateQuietly(m_queryDate->date().addDays(days));
}

void EntryPage::today() {
    const QDate day = m_context.clock.today();
    setEntryDateQuietly(day);
    setQueryDateQuietly(day);
}

void EntryPage::entryDateChanged(const QDate &date) {
    setQueryDateQuietly(date);
}

void EntryPage::categoryTextChanged(const QString &text) {
    m_categoryList->show();
    m_categoryList->showRows(EntryQueries::searchCategories(m_context.db, *m_kind, text));
}

void EntryPage::categoryFieldClicked() {
    m_categoryList->show();
    m_categoryList->showRows(EntryQueries::categoriesOfKind(m_context.db, *m_kind));
}

void EntryPage::topCategoryChosen(qint64 id) {
    m_categoryList->showRows(EntryQueries::categoriesUnder(m_context.db, *m_kind, id));
}

void EntryPage::categoryPicked(const QString &name, const QVariant &topId) {
    // Nothing here is worth an error box: the figures are a convenience.
    try {
        if (m_kind == EntryKind::Expense)
            m_info->showBudget(
                EntryQueries::budgetInfo(m_context.db, topId.toLongLong(), m_entryDate->date()));
        else
            m_info->showIncome(
                EntryQueries::incomeInfo(m_context.db, *m_kind, m_entryDate->date()));
        m_category->setText(name);
    } catch (const DbError &) {
    }
    m_categoryList->hide();
}

void EntryPage::dayRowClicked(int row) {
    if (row < 0 || row >= m_dayRows->rowCount())
        return;
    m_categoryList->hide();
    m_mode = Mode::Edit;
    const QVariant id = m_dayRows->value(row, QStringLiteral("编号"));
    m_editId = id.isNull() ? std::nullopt : std::optional<qint64>(id.toLongLong());

    const QString stored = m_dayRows->value(row, QStringLiteral("时间")).toString();
    if (const auto moment = Dates::parse(stored))
        setEntryDateQuietly(moment->date());
    m_category->setText(m_dayRows->value(row, QStringLiteral("项目")).toString());
    const QVariant amount = m_dayRows->value(row, QStringLiteral("金额"));
    AmountValidator::setProgramText(
        m_amount, amount.isNull() ? QString() : Money::fromRaw(amount.toLongLong()).toPlain());
    m_remark->setText(m_dayRows->value(row, QStringLiteral("备注")).toString());
    // By id: two members or accounts may share a name, and the entry keeps its own. One
    // that is gone leaves the selector empty, so the save asks for another.
    const EntryQueries::EntryRefs refs =
        m_editId ? EntryQueries::entryRefs(m_context.db, *m_editId) : EntryQueries::EntryRefs{};
    m_payer->setCurrentIndex(refs.payerId.isNull() ? -1 : m_payer->findData(refs.payerId));
    m_account->setCurrentIndex(refs.accountId.isNull() ? -1 : m_account->findData(refs.accountId));
    m_categoryList->hide();
}

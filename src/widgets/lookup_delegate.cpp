#include "lookup_delegate.h"

#include <QComboBox>
#include <QSqlQuery>

namespace {

// Ids arrive as qlonglong from one query and int or text from another.
bool sameId(const QVariant &a, const QVariant &b) {
    if (a.isNull() || b.isNull())
        return false;
    return a.toString() == b.toString();
}

} // namespace

LookupList::LookupList(Database &db, QString select, Params params)
    : m_db(db), m_select(std::move(select)), m_params(std::move(params)) {}

void LookupList::reload() {
    QSqlQuery query = m_db.select(m_select, m_params);
    std::vector<Entry> entries;
    while (query.next())
        entries.push_back({query.value(0), query.value(1).toString()});
    m_entries = std::move(entries);
    m_loaded = true;
}

QString LookupList::nameFor(const QVariant &id) const {
    for (const Entry &e : m_entries)
        if (sameId(e.id, id))
            return e.name;
    return {};
}

QVariant LookupList::idFor(const QString &name) const {
    for (const Entry &e : m_entries)
        if (e.name == name)
            return e.id;
    return {};
}

LookupDelegate::LookupDelegate(std::shared_ptr<LookupList> list, QObject *parent)
    : QStyledItemDelegate(parent), m_list(std::move(list)) {}

QString LookupDelegate::displayText(const QVariant &value, const QLocale &) const {
    return m_list->nameFor(value);
}

QWidget *LookupDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                      const QModelIndex &) const {
    auto *combo = new QComboBox(parent);
    combo->setFrame(false);
    for (const LookupList::Entry &e : m_list->entries())
        combo->addItem(e.name, e.id);
    // A choice is final: store it at once rather than when the cell is left.
    auto *self = const_cast<LookupDelegate *>(this);
    connect(combo, &QComboBox::activated, self, [self, combo] {
        emit self->commitData(combo);
        emit self->closeEditor(combo);
    });
    return combo;
}

void LookupDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const {
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo)
        return;
    const QVariant id = index.data(Qt::DisplayRole);
    int found = -1;
    for (int i = 0; i < combo->count(); ++i)
        if (sameId(combo->itemData(i), id))
            found = i;
    combo->setCurrentIndex(found);
}

void LookupDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                  const QModelIndex &index) const {
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo || combo->currentIndex() < 0)
        return;
    model->setData(index, combo->currentData(), Qt::EditRole);
}

void LookupDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                          const QModelIndex &) const {
    editor->setGeometry(option.rect);
}

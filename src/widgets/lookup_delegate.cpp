#include "widgets/lookup_delegate.h"

#include <QComboBox>

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
        if (sameLookupId(combo->itemData(i), id))
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

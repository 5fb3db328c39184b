#pragma once

#include "ledger/lookup_list.h"

#include <QStyledItemDelegate>
#include <QVariant>
#include <memory>
#include <vector>

// Shows the name for the id a cell holds and edits it with a drop-down of the names;
// the choice stores the id. The list is not read here (a paint must not run a query):
// the page calls reload() when it first needs it.
class LookupDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit LookupDelegate(std::shared_ptr<LookupList> list, QObject *parent = nullptr);

    LookupList &list() const { return *m_list; }

    QString displayText(const QVariant &value, const QLocale &locale) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

private:
    std::shared_ptr<LookupList> m_list;
};

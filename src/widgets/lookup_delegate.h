#pragma once

#include "database.h"

#include <QStyledItemDelegate>
#include <QVariant>
#include <memory>
#include <vector>

// Ids and names read from a list query (first column the id, second the name), e.g.
// "select id,z_name as 账户 from z_zhanghu". Several grids can share one list, so a
// reload after the accounts are saved reaches them all.
class LookupList {
public:
    struct Entry {
        QVariant id;
        QString name;
    };

    LookupList(Database &db, QString select, Params params = {});

    // Reads the list again. Throws DbError; on failure the old entries stay.
    void reload();
    bool isLoaded() const { return m_loaded; }
    const std::vector<Entry> &entries() const { return m_entries; }

    // Empty when the id is NULL or not in the list (an account since deleted).
    QString nameFor(const QVariant &id) const;
    // Invalid when no entry has that name.
    QVariant idFor(const QString &name) const;

private:
    Database &m_db;
    QString m_select;
    Params m_params;
    std::vector<Entry> m_entries;
    bool m_loaded = false;
};

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

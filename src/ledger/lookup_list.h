#pragma once

#include "store/database.h"

#include <QVariant>
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

private:
    Database &m_db;
    QString m_select;
    Params m_params;
    std::vector<Entry> m_entries;
    bool m_loaded = false;
};

// Whether two ids are the same; ids arrive as qlonglong from one query and int or text
// from another.
bool sameLookupId(const QVariant &a, const QVariant &b);

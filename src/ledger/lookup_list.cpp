#include "ledger/lookup_list.h"

#include <QSqlQuery>

bool sameLookupId(const QVariant &a, const QVariant &b) {
    if (a.isNull() || b.isNull())
        return false;
    return a.toString() == b.toString();
}

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
        if (sameLookupId(e.id, id))
            return e.name;
    return {};
}

#pragma once

#include <QString>

class Database;

namespace Schema {

// The schema version this program writes; a file with a higher one is refused.
inline constexpr int Version = 1;

// The schema script: tables, views, indexes and seed rows.
QString script();
// Writes a fresh, seeded database to path (which must not exist yet).
void createDatabase(const QString &path);

} // namespace Schema

#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class Database;

namespace Schema {

// The schema version of the first script; every upgrade step adds one.
inline constexpr int BaseVersion = 1;

// One change of the schema: the statements that take a file of version - 1 to version.
struct UpgradeStep {
    int version;
    QString script;
};

// The program's upgrade steps, oldest first, numbered BaseVersion + 1, + 2, ...
const std::vector<UpgradeStep> &upgradeSteps();
// The version this program writes; a file with a higher one is refused.
int currentVersion();

// The first schema script: tables, views, indexes and seed rows of version BaseVersion.
QString script();
// The tables and views a Tallybee database of the given version has, as "table name" /
// "view name" in lower case and sorted: those of the first script and of every upgrade
// step up to that version (a version below the first counts as the first). Throws
// DbError.
QStringList expectedObjects(int version);
// The same listing for an open connection's own file.
QStringList objectsOf(Database &db);
// Writes a fresh, seeded database to path (which must not exist yet): the first script,
// then every upgrade step, so new and upgraded books have the same shape.
void createDatabase(const QString &path);

// Brings an older file up to date: every step above the file's version, in one
// transaction (a step that fails leaves the file as it was). Throws DbError.
void upgrade(Database &db, const std::vector<UpgradeStep> &steps = upgradeSteps());

} // namespace Schema

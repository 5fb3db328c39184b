#include "store/schema.h"

#include "store/database.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <algorithm>
#include <map>

namespace Schema {

const std::vector<UpgradeStep> &upgradeSteps() {
    // Add a step here for every change of the tables; never edit one that has shipped.
    static const std::vector<UpgradeStep> steps = {};
    return steps;
}

int currentVersion() {
    return BaseVersion + int(upgradeSteps().size());
}

QString script() {
    QFile file(QStringLiteral(":/tallybee/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("schema resource missing"));
    return QString::fromUtf8(file.readAll());
}

namespace {

// Every table and view by kind and name, lower case (names ignore case in SQLite).
const char *const ObjectsSql =
    "select type || ' ' || lower(name) from sqlite_master "
    "where type in ('table','view') and name not like 'sqlite\\_%' escape '\\' order by 1";

} // namespace

QStringList expectedObjects(int version) {
    // Made once per version: a fresh database in memory, as createDatabase() makes one.
    static std::map<int, QStringList> known;
    version = std::clamp(version, BaseVersion, currentVersion());
    if (const auto found = known.find(version); found != known.end())
        return found->second;
    Database db = Database::create(QStringLiteral(":memory:"));
    db.execScript(script());
    for (const UpgradeStep &step : upgradeSteps())
        if (step.version <= version)
            db.execScript(step.script);
    const QStringList objects = objectsOf(db);
    // Without the list every file would pass; that is a broken build, not a bad file.
    if (objects.isEmpty())
        throw DbError(QStringLiteral("the schema could not be listed"));
    known.emplace(version, objects);
    return objects;
}

QStringList objectsOf(Database &db) {
    QSqlQuery query = db.select(QString::fromLatin1(ObjectsSql));
    QStringList found;
    while (query.next())
        found << query.value(0).toString();
    return found;
}

void createDatabase(const QString &path) {
    if (QFileInfo::exists(path))
        throw DbError(QStringLiteral("refusing to overwrite %1").arg(path));
    Database db = Database::create(path);
    Transaction tx(db);
    db.execScript(script());
    tx.commit();
    upgrade(db);
}

void upgrade(Database &db, const std::vector<UpgradeStep> &steps) {
    const int version = db.scalar(QStringLiteral("PRAGMA user_version")).toInt();
    Transaction tx(db);
    bool changed = false;
    for (const UpgradeStep &step : steps) {
        if (step.version <= version)
            continue;
        db.execScript(step.script);
        // A pragma takes no parameters; the number comes from the program, not a user.
        db.exec(QStringLiteral("PRAGMA user_version = %1").arg(step.version));
        changed = true;
    }
    if (changed)
        tx.commit();
}

} // namespace Schema

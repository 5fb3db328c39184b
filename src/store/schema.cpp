#include "store/schema.h"

#include "store/database.h"

#include <QFile>
#include <QFileInfo>

namespace Schema {

const std::vector<UpgradeStep> &upgradeSteps() {
    // Add a step here for every change of the tables; never edit one that has shipped.
    static const std::vector<UpgradeStep> steps = {
        // The person report sums each member's month of one kind as one run of entries.
        {2, QStringLiteral("CREATE INDEX ix_shouru_member ON s_shouru"
                           " (f_class, s_userid, s_date, s_jine)")},
    };
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

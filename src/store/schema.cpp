#include "store/schema.h"

#include "store/database.h"

#include <QFile>
#include <QFileInfo>

namespace Schema {

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
}

} // namespace Schema

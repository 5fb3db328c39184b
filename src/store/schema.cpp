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
    static const std::vector<UpgradeStep> steps = {
        {2, QStringLiteral(R"sql(
-- Entries brought in from payment bills and bank statements. d_hao is the bill's
-- transaction number, or a key made from the row itself when the bill has none; one
-- per source, so the same bill imported again adds nothing. d_duifang (the
-- counterpart) lets the next bill propose the category that counterpart got.
CREATE TABLE s_daoru (
    id         INTEGER PRIMARY KEY AUTOINCREMENT,
    d_shouruid INTEGER NOT NULL,
    d_laiyuan  TEXT NOT NULL,
    d_hao      TEXT NOT NULL,
    d_duifang  TEXT
);
CREATE UNIQUE INDEX ix_daoru_key ON s_daoru (d_laiyuan, d_hao);
CREATE INDEX ix_daoru_entry ON s_daoru (d_shouruid);
CREATE INDEX ix_daoru_counterpart ON s_daoru (d_duifang);

-- The bill's own classification (Alipay's 交易分类, WeChat's 交易类型) mapped to a
-- sub-category; the category's kind says which rows a rule is for.
CREATE TABLE s_daorugz (
    id         INTEGER PRIMARY KEY AUTOINCREMENT,
    g_name     TEXT NOT NULL CHECK (length(g_name) BETWEEN 1 AND 50),
    f_fenleiid INTEGER
);
CREATE INDEX ix_daorugz_name ON s_daorugz (g_name);

-- Starting rules for the categories a new household has; books whose categories
-- were renamed or removed get only the rules whose category is still there.
INSERT INTO s_daorugz (g_name, f_fenleiid) SELECT '餐饮美食', id FROM s_fenlei WHERE f_name = '餐饮费' AND f_id <> 0 AND f_class = 'Z';
INSERT INTO s_daorugz (g_name, f_fenleiid) SELECT '日用百货', id FROM s_fenlei WHERE f_name = '日用品' AND f_id <> 0 AND f_class = 'Z';
INSERT INTO s_daorugz (g_name, f_fenleiid) SELECT '家居家装', id FROM s_fenlei WHERE f_name = '日用品' AND f_id <> 0 AND f_class = 'Z';
INSERT INTO s_daorugz (g_name, f_fenleiid) SELECT '交通出行', id FROM s_fenlei WHERE f_name = '公交地铁' AND f_id <> 0 AND f_class = 'Z';
INSERT INTO s_daorugz (g_name, f_fenleiid) SELECT '充值缴费', id FROM s_fenlei WHERE f_name = '话费网费' AND f_id <> 0 AND f_class = 'Z';
INSERT INTO s_daorugz (g_name, f_fenleiid) SELECT '住房物业', id FROM s_fenlei WHERE f_name = '物业费' AND f_id <> 0 AND f_class = 'Z';
INSERT INTO s_daorugz (g_name, f_fenleiid) SELECT '医疗健康', id FROM s_fenlei WHERE f_name = '医药费' AND f_id <> 0 AND f_class = 'Z';
INSERT INTO s_daorugz (g_name, f_fenleiid) SELECT '教育培训', id FROM s_fenlei WHERE f_name = '学费' AND f_id <> 0 AND f_class = 'Z';
INSERT INTO s_daorugz (g_name, f_fenleiid) SELECT '酒店旅游', id FROM s_fenlei WHERE f_name = '旅游' AND f_id <> 0 AND f_class = 'Z';
INSERT INTO s_daorugz (g_name, f_fenleiid) SELECT '服饰装扮', id FROM s_fenlei WHERE f_name = '服饰' AND f_id <> 0 AND f_class = 'Z';
INSERT INTO s_daorugz (g_name, f_fenleiid) SELECT '转账红包', id FROM s_fenlei WHERE f_name = '礼金收入' AND f_id <> 0 AND f_class = 'S';
INSERT INTO s_daorugz (g_name, f_fenleiid) SELECT '微信红包', id FROM s_fenlei WHERE f_name = '礼金收入' AND f_id <> 0 AND f_class = 'S';
INSERT INTO s_daorugz (g_name, f_fenleiid) SELECT '投资理财', id FROM s_fenlei WHERE f_name = '利息收入' AND f_id <> 0 AND f_class = 'S';
)sql")},
        // The person report sums each member's month of one kind as one run of entries.
        {3, QStringLiteral("CREATE INDEX ix_shouru_member ON s_shouru"
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

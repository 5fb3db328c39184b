#include "store/backup_check.h"

#include "store/db_error.h"
#include "store/schema.h"
#include "store/sqlite_file.h"

#include <QFileInfo>
#include <QStringList>
#include <sqlite3.h>

namespace {

BackupCheck verdict(BackupCheck::Verdict verdict, const QString &reason) {
    return {verdict, reason, -1};
}

// Runs a query and gives its rows, each joined into one string, or the engine's code.
int rows(sqlite3 *db, const char *sql, QStringList *out) {
    sqlite3_stmt *stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    while (rc == SQLITE_OK && (rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        QStringList columns;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i)
            columns << QString::fromUtf8(
                reinterpret_cast<const char *>(sqlite3_column_text(stmt, i)));
        *out << columns.join(QLatin1Char(' '));
        rc = SQLITE_OK;
    }
    sqlite3_finalize(stmt);
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

// Every table and view by kind and name, lower case (names ignore case in SQLite).
const char *const objectsSql =
    "select type || ' ' || lower(name) from sqlite_master "
    "where type in ('table','view') and name not like 'sqlite\\_%' escape '\\' order by 1";

BackupCheck engineVerdict(int rc, const QString &text) {
    switch (rc) {
    case SQLITE_NOTADB:
        return verdict(BackupCheck::NotADatabase, QStringLiteral("备份文件不是数据库"));
    case SQLITE_CORRUPT:
        return verdict(BackupCheck::Damaged, QStringLiteral("备份文件已损坏"));
    default:
        return verdict(BackupCheck::Unreadable, QStringLiteral("无法读取备份文件：%1").arg(text));
    }
}

} // namespace

BackupCheck checkBackup(const QString &path, CheckDepth depth) {
    const QFileInfo info(path);
    if (!info.exists())
        return verdict(BackupCheck::Missing, QStringLiteral("找不到备份文件"));
    // An empty file is an empty database to SQLite, but it holds no books.
    if (!info.isFile() || info.size() == 0)
        return verdict(BackupCheck::NotADatabase, QStringLiteral("备份文件不是数据库"));

    SqliteFile file;
    QString error;
    if (int rc = file.open(path, SqliteFile::Snapshot, &error); rc != SQLITE_OK)
        return engineVerdict(rc, error);
    sqlite3 *db = file.handle();

    QStringList found;
    const char *check = depth == CheckDepth::Full ? "PRAGMA integrity_check" : "PRAGMA quick_check";
    if (int rc = rows(db, check, &found); rc != SQLITE_OK)
        return engineVerdict(rc, file.lastError());
    if (found != QStringList{QStringLiteral("ok")})
        return verdict(BackupCheck::Damaged, QStringLiteral("备份文件已损坏"));

    QStringList objects;
    if (int rc = rows(db, objectsSql, &objects); rc != SQLITE_OK)
        return engineVerdict(rc, file.lastError());
    // Without the settings table it is some other program's file, whatever else it holds.
    if (!objects.contains(QStringLiteral("table sys_sys")))
        return verdict(BackupCheck::NotTallybee,
                       QStringLiteral("备份文件不是Tallybee的数据库（缺少 sys_sys）"));

    QStringList version;
    if (int rc = rows(db, "PRAGMA user_version", &version); rc != SQLITE_OK)
        return engineVerdict(rc, file.lastError());
    if (version.value(0).toInt() > Schema::currentVersion())
        return verdict(BackupCheck::TooNew, QStringLiteral("备份文件来自更新版本的Tallybee"));

    QStringList missing;
    for (const QString &object : Schema::expectedObjects(version.value(0).toInt()))
        if (!objects.contains(object))
            missing << object.section(QLatin1Char(' '), 1);
    if (!missing.isEmpty())
        return verdict(BackupCheck::NotTallybee,
                       QStringLiteral("备份文件不是Tallybee的数据库（缺少 %1）")
                           .arg(missing.join(QStringLiteral("、"))));

    QStringList entries;
    if (int rc = rows(db, "select count(*) from s_shouru", &entries); rc != SQLITE_OK)
        return engineVerdict(rc, file.lastError());
    return {BackupCheck::Ok, QString(), entries.value(0).toLongLong()};
}

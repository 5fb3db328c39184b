#include "store/backup.h"

#include "store/database.h"
#include "store/sqlite_file.h"
#include "store/staged_file.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

namespace {

// 1 MiB at the usual page size: small enough for a progress bar to move.
constexpr int PagesPerSlice = 256;
// How long to wait for a writer elsewhere to finish before giving up.
constexpr int BusyBudgetMs = 5000;
constexpr int BusyPauseMs = 20;

QString failed(const QString &why) {
    return QStringLiteral("备份失败：%1").arg(why);
}

FileResult copyInto(sqlite3 *source, const QString &target, const Backup::Progress &progress) {
    StagedFile staged(target);
    if (FileResult made = staged.create(); !made)
        return made;

    SqliteFile dest;
    QString error;
    if (dest.open(staged.path(), SqliteFile::ReadWrite, &error) != SQLITE_OK)
        return FileResult::failure(failed(error));
    // The finished copy is synced once, as a whole, before it is renamed into place.
    dest.exec("PRAGMA synchronous=OFF", nullptr);

    sqlite3_backup *backup = sqlite3_backup_init(dest.handle(), "main", source, "main");
    if (!backup)
        return FileResult::failure(failed(dest.lastError()));
    // Without a progress callback the copy runs as one read of the source: one snapshot,
    // and no restarts when another connection writes in between.
    const int slice = progress ? PagesPerSlice : -1;
    int rc = SQLITE_OK;
    int waited = 0;
    bool cancelled = false;
    for (;;) {
        rc = sqlite3_backup_step(backup, slice);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
            if (waited >= BusyBudgetMs)
                break;
            sqlite3_sleep(BusyPauseMs);
            waited += BusyPauseMs;
            continue;
        }
        if (rc != SQLITE_OK && rc != SQLITE_DONE)
            break;
        const int total = sqlite3_backup_pagecount(backup);
        if (progress && !progress(total - sqlite3_backup_remaining(backup), total)) {
            cancelled = true;
            break;
        }
        if (rc == SQLITE_DONE)
            break;
    }
    sqlite3_backup_finish(backup);
    if (cancelled)
        return FileResult::failure(QStringLiteral("备份已取消"));
    if (rc != SQLITE_DONE)
        return FileResult::failure(failed(QString::fromUtf8(sqlite3_errstr(rc))));

    // A copy of a database in write-ahead-log mode would need a log beside it; this makes
    // the copy one self-contained file. Nothing happens to a copy in rollback mode.
    if (dest.exec("PRAGMA journal_mode=DELETE", &error) != SQLITE_OK)
        return FileResult::failure(failed(error));
    if (dest.close() != SQLITE_OK)
        return FileResult::failure(failed(QStringLiteral("the copy could not be closed")));

    // A journal left beside an earlier copy would be played into this one when opened.
    if (FileResult cleared = removeSqliteCompanions(target); !cleared)
        return cleared;
    return staged.commit();
}

} // namespace

namespace Backup {

QString defaultFolder() {
    return QDir::home().filePath(QStringLiteral("tb_bak"));
}

QString manualBackupPath() {
    return QDir(defaultFolder()).filePath(QStringLiteral("fmy.bak"));
}

QString beforeRestorePath() {
    return QDir(defaultFolder()).filePath(QStringLiteral("fmy.before-restore.bak"));
}

QString autoFolder() {
    return QDir(defaultFolder()).filePath(QStringLiteral("auto"));
}

FileResult backupDatabase(Database &db, const QString &target, const Progress &progress) {
    sqlite3 *source = sqliteHandleOf(db.connection());
    if (!source || !db.isOpen())
        return FileResult::failure(failed(QStringLiteral("数据库没有打开")));
    // The copy would hold the changes of the open transaction, which may yet be undone.
    if (!sqlite3_get_autocommit(source))
        return FileResult::failure(failed(QStringLiteral("数据库正在保存修改，请稍后再试")));
    return copyInto(source, target, progress);
}

FileResult backupFile(const QString &source, const QString &target, const Progress &progress) {
    if (!QFileInfo(source).isFile())
        return FileResult::failure(
            failed(QStringLiteral("找不到“%1”").arg(QDir::toNativeSeparators(source))));
    SqliteFile from;
    QString error;
    if (from.open(source, SqliteFile::ReadWrite, &error) != SQLITE_OK)
        return FileResult::failure(failed(error));
    return copyInto(from.handle(), target, progress);
}

} // namespace Backup

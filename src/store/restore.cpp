#include "store/restore.h"

#include "store/backup.h"
#include "store/backup_check.h"
#include "store/sqlite_file.h"
#include "store/staged_file.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace {

// Books SQLite cannot read are kept as they lie, so nothing is lost by the restore.
FileResult keepBrokenBooks(const QString &livePath, const QString &keepCurrentAs) {
    StagedFile kept(keepCurrentAs);
    FileResult result = kept.create();
    if (result)
        result = kept.copyFrom(livePath);
    if (result)
        result = removeSqliteCompanions(keepCurrentAs);
    if (result)
        result = kept.commit();
    if (result)
        result = removeSqliteCompanions(livePath);
    return result;
}

FileResult keepCurrentBooks(const QString &livePath, const QString &keepCurrentAs) {
    const FileResult copied = Backup::backupFile(livePath, keepCurrentAs);
    if (copied)
        return copied;
    const BackupCheck::Verdict state = checkBackup(livePath).verdict;
    if (state == BackupCheck::NotADatabase || state == BackupCheck::Damaged)
        return keepBrokenBooks(livePath, keepCurrentAs);
    return FileResult::failure(QStringLiteral("无法保留当前数据库：%1").arg(copied.reason));
}

// After the current books were kept, a journal beside them is either another connection's,
// in the middle of a save, or a cold leftover that SQLite never plays (empty, or with its
// header cleared) and deletes only on the next write. Only the writer holds the lock
// BEGIN IMMEDIATE runs into. A write-ahead log remains only while a connection is open.
FileResult clearLeftovers(const QString &livePath) {
    const QString inUse = QStringLiteral("数据库正被其他程序使用，请关闭它后再还原");
    const QStringList companions = existingSqliteCompanions(livePath);
    if (companions.isEmpty())
        return FileResult::success();
    if (companions.contains(livePath + QStringLiteral("-wal")))
        return FileResult::failure(inUse);
    SqliteFile probe;
    QString error;
    if (probe.open(livePath, SqliteFile::ReadWrite, &error) != SQLITE_OK)
        return FileResult::failure(QStringLiteral("无法打开当前数据库：%1").arg(error));
    probe.exec("PRAGMA busy_timeout=0", nullptr);
    if (probe.exec("BEGIN IMMEDIATE", &error) != SQLITE_OK)
        return FileResult::failure(inUse);
    // Removed under the lock, so no writer can start a journal of its own meanwhile.
    const FileResult removed = removeSqliteCompanions(livePath);
    probe.exec("ROLLBACK", nullptr);
    return removed;
}

} // namespace

FileResult restoreBackup(const QString &backupPath, const QString &livePath,
                         const QString &keepCurrentAs) {
    // The check runs on the copy that will be put in place, so what was checked is what
    // the program opens. It also runs before the kept copy is replaced: a wrong file
    // offered for restoring must not cost the copy an earlier restore kept.
    if (!QFileInfo(backupPath).isFile())
        return FileResult::failure(checkBackup(backupPath).reason);
    StagedFile staged(livePath);
    if (FileResult made = staged.create(); !made)
        return made;
    if (FileResult copied = staged.copyFrom(backupPath); !copied)
        return copied;
    if (const BackupCheck check = checkBackup(staged.path()); !check.ok())
        return FileResult::failure(check.reason);

    if (QFileInfo::exists(livePath)) {
        if (FileResult kept = keepCurrentBooks(livePath, keepCurrentAs); !kept)
            return kept;
    }
    if (FileResult cleared = clearLeftovers(livePath); !cleared)
        return cleared;
    return staged.commit();
}

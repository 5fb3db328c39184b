#include "restore.h"

#include "backup.h"
#include "backup_check.h"
#include "staged_file.h"

#include <QFileInfo>

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
    if (!existingSqliteCompanions(livePath).isEmpty())
        return FileResult::failure(QStringLiteral("数据库正被其他程序使用，请关闭它后再还原"));
    return staged.commit();
}

#include "bench_operation.h"
#include "store/auto_backups.h"
#include "store/backup.h"
#include "store/backup_check.h"
#include "store/database.h"
#include "store/restore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <stdexcept>

namespace {

void expect(const FileResult &result) {
    if (!result)
        throw DbError(result.reason);
}

} // namespace

// The settings page's backup and restore, and the automatic copy taken at closing, over
// the generated ledger; a plain copy of the file is the yardstick. Everything is written
// into a temporary folder of its own.
std::vector<BenchOperation> backupOperations(Database &db) {
    auto dir = std::make_shared<QTemporaryDir>();
    const QString source = db.path();
    const QString copy = dir->filePath(QStringLiteral("copy.dll"));
    const QString backup = dir->filePath(QStringLiteral("tb_bak/fmy.bak"));
    const QString live = dir->filePath(QStringLiteral("books/fmy.dll"));
    const QString kept = dir->filePath(QStringLiteral("tb_bak/fmy.before-restore.bak"));
    const QString autoFolder = dir->filePath(QStringLiteral("tb_bak/auto"));
    expect(Backup::backupDatabase(db, backup));
    QDir().mkpath(QFileInfo(live).absolutePath());
    QFile::copy(source, live);
    auto closings = std::make_shared<int>(0);

    return {
        {QStringLiteral("plain file copy"),
         [dir, source, copy] {
             QFile::remove(copy);
             if (!QFile::copy(source, copy))
                 throw DbError(QStringLiteral("copy failed"));
         }},
        {QStringLiteral("backup (online, synced, renamed)"),
         [dir, &db, backup] { expect(Backup::backupDatabase(db, backup)); }},
        {QStringLiteral("backup check, full"),
         [dir, backup] {
             if (!checkBackup(backup, CheckDepth::Full).ok())
                 throw DbError(QStringLiteral("check failed"));
         }},
        {QStringLiteral("backup check, quick"),
         [dir, backup] {
             if (!checkBackup(backup, CheckDepth::Quick).ok())
                 throw DbError(QStringLiteral("check failed"));
         }},
        {QStringLiteral("restore (checked, books kept)"),
         [dir, backup, live, kept] { expect(restoreBackup(backup, live, kept)); }},
        {QStringLiteral("automatic backup at closing"),
         [dir, &db, autoFolder, closings] {
             // One closing a day, so the keep rule prunes as it would over weeks.
             const QDateTime when(QDate(2024, 1, 1).addDays(++*closings), QTime(21, 0));
             expect(AutoBackups::take(db, autoFolder, when));
         }},
    };
}

#pragma once

#include "store/file_result.h"

#include <QString>
#include <functional>

class Database;

namespace Backup {

// The folder that holds the backups: tb_bak in the user's home folder.
QString defaultFolder();
// The one copy the backup button writes, replaced by every backup.
QString manualBackupPath();
// Where a restore keeps the books it replaces.
QString beforeRestorePath();
// The folder of the automatic backups.
QString autoFolder();

// Called after each slice of the copy; returning false cancels the backup.
using Progress = std::function<bool(int copiedPages, int totalPages)>;

// Copies the open database into target with SQLite's online backup, so the copy is the
// last committed state even while the file is in use. The copy is written beside target
// under a temporary name, synced and renamed over target: a failed backup leaves an
// earlier copy whole. Missing folders are made. Refused while db has a transaction open.
FileResult backupDatabase(Database &db, const QString &target, const Progress &progress = {});
// The same from a database file that the program does not have open. Opening it settles
// it first: an interrupted transaction is rolled back, a write-ahead log is folded in.
FileResult backupFile(const QString &source, const QString &target, const Progress &progress = {});

} // namespace Backup

#pragma once

#include "store/file_result.h"

#include <QString>

// Puts the backup at backupPath in place of the database file at livePath. The caller
// closes its connection to livePath first and opens it again afterwards.
//
// The backup is copied beside the live file under a temporary name, synced and checked
// (checkBackup) as copied; only then are the current books kept at keepCurrentAs and the
// copy renamed over the live file in one step. On any failure the live file is as it was
// and the reason says why.
//
// Keeping the current books opens them with SQLite, which rolls back a transaction an
// earlier crash left in a journal and folds in a write-ahead log. A journal played into
// the restored file would damage it, so none may remain: a log, or a journal whose writer
// still holds its lock, means another program has the books open, and the restore is
// refused; a cold journal SQLite would ignore anyway is removed. Books SQLite cannot
// read at all are kept byte for byte, and their journal and log, which belong to no
// sound file, are removed.
FileResult restoreBackup(const QString &backupPath, const QString &livePath,
                         const QString &keepCurrentAs);

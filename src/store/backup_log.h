#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The log of automatic backups that failed. The program writes it while closing, when
// no window is left to say so, and shows what it has not shown yet at the next start.
namespace BackupLog {

// Appends a line "YYYY-MM-DD HH:MM:SS reason" not yet shown. Best effort: a log that
// cannot be written must not stop the program from closing.
void recordFailure(const QString &logPath, const QDateTime &when, const QString &reason);

// The lines not shown yet, oldest first; they are marked shown. The log keeps its
// newest lines only.
QStringList takeUnshown(const QString &logPath);

} // namespace BackupLog

#pragma once

#include "store/file_result.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

class Database;

// Automatic backups: files named fmy-YYYYMMDD-HHMMSS.bak (local time) in one folder, thinned
// out so that recent days, weeks and months each keep one copy.
namespace AutoBackups {

struct Copy {
    QString path;
    QDateTime taken;
    qint64 size = 0;
};

// How many days, ISO weeks and months keep their newest copy.
struct KeepCounts {
    int daily = 7;
    int weekly = 4;
    int monthly = 12;

    // The most a user may set; at least one daily copy is always kept.
    static constexpr int MaxDaily = 366;
    static constexpr int MaxWeekly = 520;
    static constexpr int MaxMonthly = 240;
    KeepCounts bounded() const;
    bool operator==(const KeepCounts &) const = default;
};

// The counts the user chose, kept beside the copies in keep.ini rather than in the books,
// so restoring older books never changes how many copies are kept. A missing or
// unreadable file gives the defaults.
KeepCounts readKeepCounts(const QString &folder);
FileResult writeKeepCounts(const QString &folder, const KeepCounts &counts);

// The file name for a copy taken at the given moment.
QString fileName(const QDateTime &taken);
// The moment in an automatic backup's file name; invalid for any other name.
QDateTime takenFromName(const QString &fileName);
// The automatic backups in folder, newest first. Other files are not listed.
std::vector<Copy> list(const QString &folder);

// Which copies to keep, as flags in the order of `taken`. Each rule keeps the newest copy
// of each of its last N periods that have a copy at all: the last 7 days on which copies
// were taken, not the 7 calendar days back from today. So a month without the program
// does not empty the folder, and the rule needs no clock. A copy any rule keeps is kept.
std::vector<bool> keep(const std::vector<QDateTime> &taken, const KeepCounts &counts = {});

struct PruneResult {
    QStringList removed;
    QStringList failures;
    bool ok() const { return failures.isEmpty(); }
};
// Deletes the automatic backups in folder that keep() does not keep. Files whose names
// are not automatic backups' (the manual fmy.bak, half-written copies) are never touched.
PruneResult prune(const QString &folder, const KeepCounts &counts = {});

// Backs db up into folder as the copy taken at `now`, then prunes the folder. A failed
// backup deletes nothing; a copy that cannot be deleted is tried again next time.
FileResult take(Database &db, const QString &folder, const QDateTime &now,
                const KeepCounts &counts = {});

} // namespace AutoBackups

#pragma once

#include <QString>

// What a file offered for restoring turned out to be.
struct BackupCheck {
    enum Verdict {
        Ok,
        Missing,
        NotADatabase,
        Unreadable,
        Damaged,
        NotTallybee,
        TooNew,
    };
    Verdict verdict = Ok;
    // Why the file cannot be restored, for the user; empty when Ok.
    QString reason;
    // The number of entries in the file; -1 unless Ok.
    qint64 entries = -1;

    bool ok() const { return verdict == Ok; }
};

// How closely the file's pages are examined. Full (the engine's integrity_check) also
// matches every index against its table, which takes seconds on a large file; Quick
// (quick_check) checks the structure only and suits listing many copies.
enum class CheckDepth { Full, Quick };

// Looks at a file without changing it or anything beside it: it must be an SQLite
// database that passes the engine's integrity check, hold every table and view of this
// program's schema, and not come from a newer version of the program. The file is read
// as it lies, ignoring any journal beside it, which is how a restore copies it.
BackupCheck checkBackup(const QString &path, CheckDepth depth = CheckDepth::Full);

#pragma once

#include "file_result.h"

#include <QString>
#include <QStringList>

// A file written under a temporary name beside its target and then renamed over it, so
// the target is always either the old file or the complete new one, never a part.
// Dropped without commit(), the temporary file is removed.
class StagedFile {
public:
    explicit StagedFile(QString target);
    ~StagedFile();
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;

    // Makes the target's folder if needed and creates an empty temporary file.
    FileResult create();
    // The temporary file's path; valid after create().
    QString path() const { return m_temp; }
    // Copies the bytes of source into the temporary file.
    FileResult copyFrom(const QString &source);
    // Flushes the temporary file to disk and renames it over the target.
    FileResult commit();

private:
    void discard();

    QString m_target;
    QString m_temp;
};

// Removes the journal and write-ahead log of an SQLite file at path. A journal left
// beside a file that has been replaced would be played into the new one and damage it.
FileResult removeSqliteCompanions(const QString &path);
// The companion files of an SQLite file at path that exist.
QStringList existingSqliteCompanions(const QString &path);

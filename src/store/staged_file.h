#pragma once

#include "store/file_result.h"

#include <QString>

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

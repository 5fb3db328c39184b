#pragma once

#include <QString>

// The outcome of an operation on files that may fail for ordinary reasons (a full disk, a
// folder that cannot be made). Those are expected, so they come back as a value with a
// reason the user can read instead of as an exception for the general error box.
struct [[nodiscard]] FileResult {
    bool ok = true;
    QString reason;

    static FileResult success() { return {}; }
    static FileResult failure(const QString &reason) { return {false, reason}; }
    explicit operator bool() const { return ok; }
};

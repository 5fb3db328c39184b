#pragma once

#include <QString>

// Thrown by a step that did not go as the scenario says; the message reads
// "what was expected, what was found".
struct StepFailure {
    QString message;
};

[[noreturn]] inline void fail(const QString &message) {
    throw StepFailure{message};
}

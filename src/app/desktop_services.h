#pragma once

#include "core/services.h"

// The services of a real run: message boxes, the system clock, the desktop.
class MessageBoxPrompts : public Prompts {
public:
    void inform(const QString &caption, const QString &text, Icon icon) override;
    bool confirm(const QString &caption, const QString &text, Icon icon) override;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override;
};

class DesktopShell : public Shell {
public:
    void openUrl(const QString &url) override;
    bool startProgram(const QString &program) override;
};

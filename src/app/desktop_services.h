#pragma once

#include "core/services.h"

// The services of a real run: message boxes, the system clock, the desktop.
class MessageBoxPrompts : public Prompts {
public:
    void inform(const QString &caption, const QString &text, Icon icon) override;
    bool confirm(const QString &caption, const QString &text, Icon icon) override;
    Answer ask(const QString &caption, const QString &text) override;
    QString openFileName(const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &suggestedPath,
                         const QString &filter) override;
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

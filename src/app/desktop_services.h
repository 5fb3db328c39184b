#pragma once

#include "core/printing.h"
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

// The machine's printers through the system's print and page setup dialogs.
class SystemPrinters : public PrintService {
public:
    QString defaultPrinter() const override;
    Result print(const PrintJob &job, const Progress &progress) override;
    bool setUpPrinter(Paper &paper) override;
};

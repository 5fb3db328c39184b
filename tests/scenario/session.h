#pragma once

#include "local_web_server.h"
#include "program_folder.h"
#include "scripted_printer.h"
#include "scripted_services.h"

#include <QList>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class Program;
class QWidget;

// Everything one scenario file runs on: its program folder, the scripted services and
// the program, if started. Made fresh for each file, so files cannot affect each other.
class Session {
public:
    // installFolder: where the build put the seeded database and the skin library;
    // scenarioFolder: the folder of the scenario file, for relative paths.
    Session(const QString &installFolder, const QString &scenarioFolder);
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    ScriptedPrompts &prompts() { return m_prompts; }
    ScriptedClock &clock() { return m_clock; }
    ScriptedShell &shell() { return m_shell; }
    // The web site the program's addresses point at while the session lives.
    LocalWebServer &webServer() { return *m_web; }
    ScriptedPrinter &printer() { return m_printer; }
    ProgramFolder &folder() { return m_folder; }
    QString scenarioFolder() const { return m_scenarioFolder; }
    // The run's home folder (HOME points there while the session lives).
    QString homeFolder() const { return m_home.path(); }
    // A path of a step: "~/..." in the home folder, else in the program's folder.
    QString resolvePath(const QString &path) const;

    // Starts the program; one already running is ended first.
    void start();
    void endProgram();
    // True when no program was started or the one started has ended.
    bool programEnded() const;

    // The window the user works in: an open modal dialog, else the program's active
    // window. Throws StepFailure when the program is not running.
    QWidget *activeWindow() const;
    // The program's own windows, shown or not (login window, main window).
    QList<QWidget *> programWindows() const;
    // Makes the active window the one with the keyboard, as the user's click would.
    void activateActiveWindow();
    // Steps act in this window (a preview the program opened) while it is shown and no
    // modal dialog is open.
    void pinWindow(QWidget *window);

    // Lets queued events, deferred deletes and zero timers run; while the program waits
    // for the local web server's answer (its "updateCheckBox" is open) and an answer is
    // coming, lets events run until it has arrived.
    void settle();
    // Lets events run until the local web server has read a request whole, if one comes.
    void awaitRequest();
    // Runs action as if inside an event handler: an error escaping it goes to the
    // application's general error box, exactly as for a real event.
    void deliver(const std::function<void()> &action);
    // Moves the clock on, firing the program's timers as they fall due.
    void wait(qint64 msecs);

private:
    QString m_scenarioFolder;
    QTemporaryDir m_home;
    QByteArray m_previousHome;
    QByteArray m_previousSite;
    std::unique_ptr<LocalWebServer> m_web;
    ProgramFolder m_folder;
    ScriptedPrompts m_prompts;
    ScriptedClock m_clock;
    ScriptedShell m_shell;
    ScriptedPrinter m_printer;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<QObject> m_courier;
    QPalette m_palette;
    QPointer<QWidget> m_pinned;

    void awaitNetworkAnswer();
};

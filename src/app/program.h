#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class Prompts;
class Clock;
class Shell;
class LoginWindow;
class MainWindow;
class QWidget;

// One run of the program, from start to end, in a given program folder. main() makes
// one with the real services; the scenario runner and widget tests make them with
// scripted services and a temporary folder.
class Program : public QObject {
    Q_OBJECT
public:
    Program(Prompts &prompts, Clock &clock, Shell &shell, QString folder);
    ~Program() override;

    // Sets the title and creates and shows the login window (which opens the database).
    void start();
    bool isFinished() const { return m_finished; }

    // The window the user works in now: the main window once logged in, else the login
    // window; null when the program has ended.
    QWidget *activeWindow() const;
    LoginWindow *loginWindow() const;
    MainWindow *mainWindow() const;

    // Ends the program in an orderly way (closing windows, the connection).
    void end();

signals:
    void finished();

private:
    Prompts &m_prompts;
    Clock &m_clock;
    Shell &m_shell;
    QString m_folder;
    std::unique_ptr<LoginWindow> m_login;
    bool m_finished = false;
};

#pragma once

#include "core/program_control.h"

#include <QObject>
#include <QString>
#include <memory>

class Prompts;
class Clock;
class Shell;
class PrintService;
class Database;
class EditWatch;
class LoginWindow;
class MainWindow;
class QWidget;

// One run of the program, from start to end, in a given program folder: it owns the
// database connection, the login window and the main window and decides their
// lifetimes. main() makes one with the real services; the scenario runner and widget
// tests make them with scripted services and a temporary folder.
class Program : public QObject, public ProgramControl {
    Q_OBJECT
public:
    Program(Prompts &prompts, Clock &clock, Shell &shell, PrintService &printer, QString folder);
    ~Program() override;

    // Sets the title, opens the database and shows the login window; ends the program
    // when the database cannot be used (after saying why).
    void start();
    bool isFinished() const { return m_finished; }

    // The window the user works in now: the main window once logged in, else the login
    // window; null when the program has ended.
    QWidget *activeWindow() const;
    LoginWindow *loginWindow() const { return m_login.get(); }
    MainWindow *mainWindow() const { return m_main.get(); }
    QString databasePath() const;

    void reopenBooks(std::function<void(const QString &databasePath)> whileClosed) override;

    // Ends the program in an orderly way (closing windows, the connection). After a
    // session that changed the books, an automatic backup is taken first.
    void end();

    // Where failed automatic backups are written down, to be shown at the next start.
    QString backupLogPath() const;

signals:
    void finished();

private:
    bool openBooks();
    void showLogin();
    void loggedIn();
    void closeBooks();
    void takeAutomaticBackup();
    void showBackupFailures();

    Prompts &m_prompts;
    Clock &m_clock;
    Shell &m_shell;
    PrintService &m_printer;
    QString m_folder;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<EditWatch> m_edits; // while m_db is open
    std::unique_ptr<LoginWindow> m_login;
    std::unique_ptr<MainWindow> m_main;
    bool m_finished = false;
};

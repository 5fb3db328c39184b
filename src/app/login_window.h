#pragma once

#include <QWidget>
#include <memory>

class Database;
class Prompts;
class Clock;
class Shell;
class MainWindow;
class QComboBox;
class QLineEdit;
class QCheckBox;

// TF_Login: chooses who may open the books. It owns the database connection and the
// main window, and stays (hidden) for the whole run.
class LoginWindow : public QWidget {
    Q_OBJECT
public:
    LoginWindow(Prompts &prompts, Clock &clock, Shell &shell, QString folder);
    ~LoginWindow() override;

    // Opens the database and fills the window; false when the database could not be
    // used (the user has been told, and the program should end).
    bool initialize();
    // Runs the login check, as the login button and Enter in the password box do.
    void tryLogin();

    MainWindow *mainWindow() const { return m_main.get(); }
    // Hides the windows and closes the connection at the end of the program.
    void shutDown();

signals:
    void programEnd();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void fillUsers();
    void fillRememberedLogin();
    void rememberLogin();

    Prompts &m_prompts;
    Clock &m_clock;
    Shell &m_shell;
    QString m_folder;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<MainWindow> m_main;

    QComboBox *m_users = nullptr;
    QLineEdit *m_password = nullptr;
    QCheckBox *m_remember = nullptr;
};

#pragma once

#include <QWidget>

class Database;
class Prompts;
class QComboBox;
class QLineEdit;
class QCheckBox;

// TF_Login: chooses who may open the books. It checks the name and password against the
// members and says who logged in; opening the main window is the program's part.
class LoginWindow : public QWidget {
    Q_OBJECT
public:
    LoginWindow(Database &db, Prompts &prompts);

    // Fills the user list and the remembered name and password.
    void fill();
    // Runs the login check, as the login button and Enter in the password box do.
    void tryLogin();
    // Stores or forgets the name and password as the check box says (after a login).
    void rememberLogin();

signals:
    void loggedIn(qint64 userId);
    void exitRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();

    Database &m_db;
    Prompts &m_prompts;
    QComboBox *m_users = nullptr;
    QLineEdit *m_password = nullptr;
    QCheckBox *m_remember = nullptr;
};

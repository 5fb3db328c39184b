#include "app/login_window.h"

#include "core/error_policy.h"
#include "core/questions.h"
#include "core/services.h"
#include "store/database.h"
#include "widgets/art.h"
#include "widgets/clickable_label.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSqlQuery>

namespace {
ClickableLabel *pictureButton(const QString &art, const QString &name, QWidget *parent) {
    auto *button = new ClickableLabel(QString(), parent);
    button->setPixmap(artPixmap(art, QSize(81, 33)));
    button->setFixedSize(81, 33);
    button->setAccessibleName(name);
    button->setToolTip(name);
    return button;
}
} // namespace

LoginWindow::LoginWindow(Database &db, Prompts &prompts)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_db(db),
      m_prompts(prompts) {
    setObjectName(QStringLiteral("TF_Login"));
    setWindowTitle(QStringLiteral("欢迎使用Tallybee"));
    setFixedSize(470, 264);
    buildControls();
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void LoginWindow::buildControls() {
    auto *background = new QLabel(this);
    background->setObjectName(QStringLiteral("Image1"));
    background->setPixmap(artPixmap(QStringLiteral("login_background"), size()));
    background->setGeometry(rect());

    m_users = new QComboBox(this);
    m_users->setObjectName(QStringLiteral("ComboBox1"));
    m_users->setAccessibleName(QStringLiteral("用户"));
    m_users->setEditable(false);
    m_users->setGeometry(232, 88, 193, 22);

    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("Edit1"));
    m_password->setAccessibleName(QStringLiteral("密码"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // '*'
    m_password->setGeometry(232, 120, 193, 24);
    m_password->installEventFilter(this);

    m_remember = new QCheckBox(QStringLiteral("记住用户名和密码"), this);
    m_remember->setObjectName(QStringLiteral("CheckBox1"));
    m_remember->setGeometry(232, 152, 145, 20);

    auto *login = pictureButton(QStringLiteral("login_button"), QStringLiteral("登录"), this);
    login->setObjectName(QStringLiteral("Image2"));
    login->move(232, 176);
    ErrorPolicy::connect(login, &ClickableLabel::clicked, this, m_prompts, [this] { tryLogin(); });

    auto *exit = pictureButton(QStringLiteral("exit_button"), QStringLiteral("退出"), this);
    exit->setObjectName(QStringLiteral("Image3"));
    exit->move(344, 176);
    connect(exit, &ClickableLabel::clicked, this, &LoginWindow::exitRequested);

    setTabOrder(m_password, m_users);
    setTabOrder(m_users, m_remember);
    m_password->setFocus();
}

void LoginWindow::fill() {
    QSqlQuery users = m_db.select(QStringLiteral("Select sys_name from s_user order by id"));
    while (users.next())
        m_users->addItem(users.value(0).toString());
    m_users->setCurrentIndex(m_users->count() > 0 ? 0 : -1);

    QSqlQuery settings =
        m_db.select(QStringLiteral("Select isji, isuser, ispwd from sys_sys where id=1"));
    if (!settings.next() || settings.value(0).toString() != QLatin1String("1"))
        return;
    m_remember->setChecked(true);
    // Exact match only; no user is selected when the remembered one is gone.
    int found = -1;
    for (int i = 0; i < m_users->count(); ++i) {
        if (m_users->itemText(i) == settings.value(1).toString()) {
            found = i;
            break;
        }
    }
    m_users->setCurrentIndex(found);
    m_password->setText(settings.value(2).toString());
}

void LoginWindow::tryLogin() {
    const QString name = m_users->currentText();
    QSqlQuery user = m_db.select(
        QStringLiteral("select sys_pwd, id from s_user where sys_name=:name order by id"),
        {{"name", name}});
    if (!user.next())
        return;
    const QString stored = user.value(0).toString();
    const qint64 id = user.value(1).toLongLong();
    user.finish();
    if (stored != m_password->text()) {
        m_prompts.inform(Captions::system(), QStringLiteral("对不起，密码不正确，请你重新输入！"),
                         Prompts::Icon::Error);
        m_password->clear();
        m_password->setFocus();
        return;
    }
    emit loggedIn(id);
}

void LoginWindow::rememberLogin() {
    if (m_remember->isChecked())
        m_db.exec(QStringLiteral("update sys_sys set isuser=:user, ispwd=:pwd, isji=1 where id=1"),
                  {{"user", m_users->currentText()}, {"pwd", m_password->text()}});
    else
        m_db.exec(QStringLiteral("update sys_sys set isji=0 where id=1"));
}

bool LoginWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_password && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            ErrorPolicy::run(m_prompts, [this] { tryLogin(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

#include "app/program.h"

#include "app/application.h"
#include "app/login_window.h"
#include "mainwin/main_window.h"
#include "core/services.h"
#include "app/skin_loader.h"

Program::Program(Prompts &prompts, Clock &clock, Shell &shell, QString folder)
    : m_prompts(prompts), m_clock(clock), m_shell(shell), m_folder(std::move(folder)) {}

Program::~Program() {
    TallybeeApplication::setErrorHandler({});
    m_login.reset();
    clearSkin();
}

void Program::start() {
    QCoreApplication::setApplicationName(QStringLiteral("Tallybee"));
    TallybeeApplication::setErrorHandler([this](const QString &text) {
        m_prompts.inform(QStringLiteral("Tallybee"), text, Prompts::Icon::Error);
    });
    m_login = std::make_unique<LoginWindow>(m_prompts, m_clock, m_shell, m_folder);
    connect(m_login.get(), &LoginWindow::programEnd, this, &Program::end);
    if (!m_login->initialize()) {
        end();
        return;
    }
    m_login->show();
}

QWidget *Program::activeWindow() const {
    if (m_finished || !m_login)
        return nullptr;
    if (MainWindow *main = m_login->mainWindow(); main && main->isVisible())
        return main;
    return m_login.get();
}

LoginWindow *Program::loginWindow() const {
    return m_login.get();
}

MainWindow *Program::mainWindow() const {
    return m_login ? m_login->mainWindow() : nullptr;
}

void Program::end() {
    if (m_finished)
        return;
    m_finished = true;
    if (m_login)
        m_login->shutDown();
    emit finished();
}

#include "session.h"

#include "app/login_window.h"
#include "app/program.h"
#include "mainwin/main_window.h"
#include "step_failure.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

// Carries a function into QObject::event, so it runs under QApplication::notify.
class CallEvent : public QEvent {
public:
    explicit CallEvent(const std::function<void()> &call) : QEvent(type()), call(call) {}
    static QEvent::Type type() {
        static const auto registered = QEvent::Type(QEvent::registerEventType());
        return registered;
    }
    std::function<void()> call;
};

class Courier : public QObject {
public:
    bool event(QEvent *event) override {
        if (event->type() == CallEvent::type()) {
            static_cast<CallEvent *>(event)->call();
            return true;
        }
        return QObject::event(event);
    }
};

} // namespace

Session::Session(const QString &installFolder, const QString &scenarioFolder)
    : m_scenarioFolder(scenarioFolder), m_previousHome(qgetenv("HOME")),
      m_previousSite(qgetenv("TALLYBEE_SITE")), m_web(std::make_unique<LocalWebServer>()),
      m_folder(installFolder), m_courier(new Courier), m_palette(QApplication::palette()) {
    // Whatever the program keeps under the user's home starts empty in every file.
    qputenv("HOME", QFile::encodeName(m_home.path()));
    // The program's web addresses lead to the local server, never out to the network.
    qputenv("TALLYBEE_SITE", m_web->address().toUtf8());
    m_folder.useSeededDatabase();
    m_folder.installSkin();
}

Session::~Session() {
    endProgram();
    qputenv("HOME", m_previousHome);
    if (m_previousSite.isNull())
        qunsetenv("TALLYBEE_SITE");
    else
        qputenv("TALLYBEE_SITE", m_previousSite);
    qApp->setStyleSheet(QString());
    QApplication::setPalette(m_palette);
}

void Session::start() {
    endProgram();
    m_program = std::make_unique<Program>(m_prompts, m_clock, m_shell, m_printer, m_folder.path());
    m_program->start();
    settle();
    if (!programEnded())
        activateActiveWindow();
}

void Session::endProgram() {
    if (!m_program)
        return;
    if (!m_program->isFinished())
        m_program->end();
    settle();
    m_program.reset();
    settle();
    qApp->setStyleSheet(QString());
}

QString Session::resolvePath(const QString &path) const {
    if (path.startsWith(QLatin1String("~/")))
        return m_home.path() + path.mid(1);
    return m_folder.filePath(path);
}

bool Session::programEnded() const {
    return !m_program || m_program->isFinished();
}

QWidget *Session::activeWindow() const {
    if (!m_program)
        fail(QStringLiteral("expected a running program, found none started"));
    if (m_program->isFinished())
        fail(QStringLiteral("expected a running program, found it has ended"));
    if (QWidget *modal = QApplication::activeModalWidget(); modal && modal->isVisible())
        return modal;
    if (m_pinned && m_pinned->isVisible())
        return m_pinned;
    QWidget *window = m_program->activeWindow();
    if (!window)
        fail(QStringLiteral("expected a program window, found none"));
    return window;
}

QList<QWidget *> Session::programWindows() const {
    QList<QWidget *> windows;
    if (!m_program || m_program->isFinished())
        return windows;
    if (QWidget *login = m_program->loginWindow())
        windows << login;
    if (QWidget *main = m_program->mainWindow())
        windows << main;
    return windows;
}

void Session::pinWindow(QWidget *window) {
    m_pinned = window;
    activateActiveWindow();
}

void Session::activateActiveWindow() {
    QWidget *window = activeWindow();
    if (QApplication::activeWindow() == window)
        return;
    window->activateWindow();
    QApplication::setActiveWindow(window);
    settle();
}

void Session::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    awaitNetworkAnswer();
}

namespace {

bool networkWaitOpen() {
    const QWidget *modal = QApplication::activeModalWidget();
    return modal && modal->isVisible() && modal->objectName() == QLatin1String("updateCheckBox");
}

// Lets events run until done() or a few seconds have passed: the program's request runs
// on the network thread, the server on this one.
template <typename Done> bool runEventsUntil(Done done) {
    const QDeadlineTimer deadline(5000);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

} // namespace

void Session::awaitNetworkAnswer() {
    if (!m_web->answers() || !networkWaitOpen())
        return;
    runEventsUntil([] { return !networkWaitOpen(); });
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Session::awaitRequest() {
    runEventsUntil([this] { return m_web->requestCount() > 0 && !m_web->reading(); });
}

void Session::deliver(const std::function<void()> &action) {
    CallEvent event(action);
    QCoreApplication::sendEvent(m_courier.get(), &event);
}

void Session::wait(qint64 msecs) {
    const QDateTime start = m_clock.now();
    struct Pending {
        QPointer<QTimer> timer;
        int id;
        int interval;
        qint64 due; // msecs after start
    };
    std::vector<Pending> pending;
    qint64 elapsed = 0;

    // A timer seen for the first time, or restarted, is due one interval from now.
    auto refresh = [&] {
        QList<QTimer *> timers;
        if (m_program && !m_program->isFinished()) {
            timers = m_program->findChildren<QTimer *>();
            for (QWidget *window : programWindows())
                timers += window->findChildren<QTimer *>();
        }
        std::erase_if(pending, [](const Pending &p) {
            return !p.timer || !p.timer->isActive() || p.timer->timerId() != p.id ||
                   p.timer->interval() != p.interval;
        });
        for (QTimer *timer : timers) {
            if (!timer->isActive() || timer->interval() <= 0)
                continue;
            const bool known = std::any_of(pending.begin(), pending.end(),
                                           [timer](const Pending &p) { return p.timer == timer; });
            if (!known)
                pending.push_back(
                    {timer, timer->timerId(), timer->interval(), elapsed + timer->interval()});
        }
    };

    for (int guard = 0; guard < 1000000; ++guard) {
        refresh();
        auto next =
            std::min_element(pending.begin(), pending.end(),
                             [](const Pending &a, const Pending &b) { return a.due < b.due; });
        if (next == pending.end() || next->due > msecs)
            break;
        elapsed = next->due;
        next->due += next->interval;
        QPointer<QTimer> timer = next->timer;
        m_clock.set(start.addMSecs(elapsed));
        QTimerEvent tick(timer->timerId());
        QCoreApplication::sendEvent(timer, &tick);
        settle();
    }
    m_clock.set(start.addMSecs(msecs));
    settle();
}

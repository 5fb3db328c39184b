#include "app/program.h"

#include "app/application.h"
#include "app/login_window.h"
#include "app/skin_loader.h"
#include "core/app_context.h"
#include "core/captions.h"
#include "core/error_policy.h"
#include "core/services.h"
#include "mainwin/main_window.h"
#include "store/auto_backups.h"
#include "store/backup.h"
#include "store/backup_log.h"
#include "store/database.h"
#include "store/edit_watch.h"

#include <QDir>

#include <QDir>
#include <QFileInfo>

namespace {

const QString DatabaseMissing =
    QStringLiteral("对不起，系统数据库源没有找到，请你重新定位系统数据库！");

// What the user is told about a database file that is there but cannot be used; each
// names the file, so the user knows which one to look at.
QString openFailureText(const OpenError &e, const QString &path) {
    const QString file = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    switch (e.reason()) {
    case OpenError::Missing:
        return DatabaseMissing;
    case OpenError::NotADatabase:
        return QStringLiteral("文件“%1”不是数据库文件，Tallybee无法打开它。").arg(file);
    case OpenError::Damaged:
        return QStringLiteral("数据库文件“%1”已损坏，Tallybee无法打开它。请用备份还原。").arg(file);
    case OpenError::NotTallybee:
        return QStringLiteral("文件“%1”不是Tallybee的数据库（缺少 %2）。")
            .arg(file, e.missing().join(QStringLiteral("、")));
    case OpenError::TooNew:
        return QStringLiteral("数据库文件“%1”是由更新版本的Tallybee写入的，本程序无法打开它。"
                              "请升级Tallybee后再试。")
            .arg(file);
    case OpenError::Unusable:
        break;
    }
    return QStringLiteral("无法打开数据库文件“%1”：\n%2").arg(file, e.text());
}

} // namespace

Program::Program(Prompts &prompts, Clock &clock, Shell &shell, PrintService &printer,
                 QString folder)
    : m_prompts(prompts), m_clock(clock), m_shell(shell), m_printer(printer),
      m_folder(std::move(folder)) {}

Program::~Program() {
    TallybeeApplication::setErrorHandler({});
    closeBooks();
    clearSkin();
}

QString Program::databasePath() const {
    return m_folder + QStringLiteral("/fmy.dll");
}

QString Program::backupLogPath() const {
    return m_folder + QStringLiteral("/autobackup.log");
}

void Program::start() {
    QCoreApplication::setApplicationName(QStringLiteral("Tallybee"));
    TallybeeApplication::setErrorHandler(
        [this](const QString &text) { ErrorPolicy::showGeneralError(m_prompts, text); });
    // Outside the event loop nothing else would catch an error: a failure to start is
    // said and the program ends.
    const bool started = ErrorPolicy::run(m_prompts, [this] {
        if (!openBooks()) {
            end();
            return;
        }
        if (!loadSkin(m_folder))
            m_prompts.inform(Captions::application(), QStringLiteral("调入皮肤文件时发生错误."),
                             Prompts::Icon::None);
        showBackupFailures();
        showLogin();
    });
    if (!started)
        end();
}

void Program::showBackupFailures() {
    const QStringList failures = BackupLog::takeUnshown(backupLogPath());
    if (failures.isEmpty())
        return;
    m_prompts.inform(
        Captions::application(),
        QStringLiteral("上次关闭程序时，自动备份没有成功：\n%1\n记录在“%2”。")
            .arg(failures.join(QLatin1Char('\n')), QDir::toNativeSeparators(backupLogPath())),
        Prompts::Icon::Warning);
}

bool Program::openBooks() {
    try {
        m_db = std::make_unique<Database>(Database::open(databasePath()));
        m_edits = std::make_unique<EditWatch>(*m_db);
    } catch (const OpenError &e) {
        m_prompts.inform(Captions::application(), openFailureText(e, databasePath()),
                         e.reason() == OpenError::Missing ? Prompts::Icon::None
                                                          : Prompts::Icon::Error);
        return false;
    }
    return true;
}

void Program::showLogin() {
    m_login = std::make_unique<LoginWindow>(*m_db, m_prompts);
    connect(m_login.get(), &LoginWindow::loggedIn, this, &Program::loggedIn);
    connect(m_login.get(), &LoginWindow::exitRequested, this, &Program::end);
    m_login->fill();
    m_login->show();
}

void Program::loggedIn() {
    m_login->hide();
    const bool built = m_main || ErrorPolicy::run(m_prompts, [this] {
                           m_main = std::make_unique<MainWindow>(AppContext{
                               *m_db, m_prompts, m_clock, m_shell, m_printer, *this, m_folder});
                           connect(m_main.get(), &MainWindow::closeRequested, this, &Program::end);
                       });
    if (!built) {
        // Without a main window the program would run on with no window at all: back to
        // the login window, the error box having said what went wrong.
        m_main.reset();
        m_login->show();
        return;
    }
    m_main->show();
    ErrorPolicy::run(m_prompts, [this] { m_login->rememberLogin(); });
}

QWidget *Program::activeWindow() const {
    if (m_finished)
        return nullptr;
    if (m_main && m_main->isVisible())
        return m_main.get();
    return m_login.get();
}

void Program::reopenBooks(std::function<void(const QString &databasePath)> whileClosed) {
    if (m_main)
        m_main->hide();
    // The main window is still running the handler that asked for this.
    QMetaObject::invokeMethod(
        this,
        [this, whileClosed = std::move(whileClosed)] {
            if (m_finished)
                return;
            closeBooks();
            ErrorPolicy::run(m_prompts, [&] { whileClosed(databasePath()); });
            const bool opened = ErrorPolicy::run(m_prompts, [this] {
                if (openBooks())
                    showLogin();
                else
                    end();
            });
            if (!opened)
                end();
        },
        Qt::QueuedConnection);
}

void Program::closeBooks() {
    m_main.reset();
    m_login.reset();
    m_edits.reset();
    if (m_db)
        m_db->close();
    m_db.reset();
}

void Program::end() {
    if (m_finished)
        return;
    m_finished = true;
    if (m_main)
        m_main->hide();
    if (m_login)
        m_login->hide();
    takeAutomaticBackup();
    m_edits.reset();
    if (m_db)
        m_db->close();
    emit finished();
}

void Program::takeAutomaticBackup() {
    if (!m_db || !m_db->isOpen() || !m_edits || !m_edits->booksChanged())
        return;
    // Nothing here may stop the program from closing; a failure is written down and
    // shown at the next start.
    const QDateTime now = m_clock.now();
    QString failure;
    try {
        const QString folder = Backup::autoFolder();
        const FileResult taken =
            AutoBackups::take(*m_db, folder, now, AutoBackups::readKeepCounts(folder));
        if (!taken)
            failure = taken.reason;
    } catch (const std::exception &e) {
        failure = QString::fromUtf8(e.what());
    }
    if (!failure.isEmpty())
        BackupLog::recordFailure(backupLogPath(), now, failure);
}

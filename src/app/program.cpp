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

namespace {
const QString DatabaseMissing =
    QStringLiteral("对不起，系统数据库源没有找到，请你重新定位系统数据库！");
const QString DatabaseTooNew = QStringLiteral(
    "这个数据库文件是由更新版本的Tallybee写入的，本程序无法打开它。请升级Tallybee后再试。");
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
    if (!openBooks()) {
        end();
        return;
    }
    if (!loadSkin(m_folder))
        m_prompts.inform(Captions::application(), QStringLiteral("调入皮肤文件时发生错误."),
                         Prompts::Icon::None);
    showBackupFailures();
    showLogin();
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
        m_prompts.inform(Captions::application(),
                         e.reason() == OpenError::TooNew ? DatabaseTooNew : DatabaseMissing,
                         Prompts::Icon::None);
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
    if (!m_main) {
        try {
            m_main = std::make_unique<MainWindow>(
                AppContext{*m_db, m_prompts, m_clock, m_shell, m_printer, *this, m_folder});
        } catch (...) {
            // Without a main window the program would run on with no window at all:
            // come back, and let the error box say what went wrong.
            m_main.reset();
            m_login->show();
            throw;
        }
        connect(m_main.get(), &MainWindow::closeRequested, this, &Program::end);
    }
    m_main->show();
    m_login->rememberLogin();
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
            if (!openBooks()) {
                end();
                return;
            }
            showLogin();
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

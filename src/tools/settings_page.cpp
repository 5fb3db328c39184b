#include "tools/settings_page.h"

#include "core/captions.h"
#include "core/error_policy.h"
#include "core/program_control.h"
#include "core/questions.h"
#include "core/services.h"
#include "core/site_texts.h"
#include "importing/data_transfer_group.h"
#include "ledger/batch_table_model.h"
#include "ledger/user_queries.h"
#include "store/auto_backups.h"
#include "store/backup.h"
#include "store/backup_check.h"
#include "store/restore.h"
#include "tools/auto_backup_dialog.h"
#include "tools/busy_box.h"
#include "widgets/data_grid.h"
#include "widgets/page_parts.h"

#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

namespace {

constexpr int PageWidth = 765;
constexpr int PageHeight = 511;
constexpr int UsersHeight = 344;
// The backup group leaves the right of the page to the import and export group.
constexpr int SettingsWidth = 640;
constexpr int ButtonBarHeight = 34;

const QString BackupNote =
    QStringLiteral("注意：数据库备份会默认在主目录创建一个tb_bak的文件夹做为备份目录，请不要删除，"
                   "系统仅保存最后一次备份。");
const QString RestoreQuestion = QStringLiteral("还原数据后将覆盖现有数据，是否确定还原数据库？");

#ifdef Q_OS_WIN
const QString UpdaterName = QStringLiteral("update.exe");
#else
const QString UpdaterName = QStringLiteral("tallybee-update");
#endif

QPushButton *bigButton(const QString &text, QWidget *parent, const QRect &place) {
    auto *button = new QPushButton(text, parent);
    button->setGeometry(place);
    return button;
}

QSpinBox *keepBox(const QString &name, int maximum, int minimum, QWidget *parent) {
    auto *box = new QSpinBox(parent);
    box->setAccessibleName(name);
    box->setRange(minimum, maximum);
    box->setFixedWidth(58);
    return box;
}

// Shown while the books are closed and replaced: no window is open then, and checking a
// large backup in full takes seconds.
std::unique_ptr<QLabel> showRestoreNotice() {
    auto notice = std::make_unique<QLabel>(QStringLiteral("正在还原数据库，请稍候…"));
    notice->setWindowTitle(QStringLiteral("Tallybee"));
    notice->setAlignment(Qt::AlignCenter);
    notice->setMargin(16);
    notice->setMinimumWidth(260);
    notice->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return notice;
}

// The store's reasons start with what failed; the message says that already.
QString reasonOnly(const QString &reason) {
    const QString failed = QStringLiteral("备份失败：");
    return reason.startsWith(failed) ? reason.mid(failed.size()) : reason;
}

} // namespace

SettingsPage::SettingsPage(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("settingsPage"));
    buildUsersGroup();
    buildSettingsGroup();
    m_check = new UpdateCheck(m_context.clock, this);
    ErrorPolicy::connect(m_check, &UpdateCheck::finished, this, m_context.prompts,
                         &SettingsPage::updateCheckFinished);
}

void SettingsPage::buildUsersGroup() {
    auto *group = new QGroupBox(QStringLiteral("系统用户管理"), this);
    group->setObjectName(QStringLiteral("usersGroup"));
    group->setGeometry(0, 0, PageWidth, UsersHeight);

    m_model = new BatchTableModel(m_context.db, this);
    UserQueries::configureUserList(*m_model);
    PageParts::reportRefusedValues(*m_model, m_context.prompts);

    m_grid = new DataGrid(group);
    m_grid->setObjectName(QStringLiteral("usersGrid"));
    m_grid->setGeometry(6, 18, PageWidth - 12, UsersHeight - 18 - ButtonBarHeight);
    m_grid->setRowHeight(25);
    m_grid->setCurrentRowHighlight(true);
    m_grid->setModel(m_model);

    auto *bar = new QWidget(group);
    bar->setGeometry(0, UsersHeight - ButtonBarHeight, PageWidth, ButtonBarHeight);
    auto *add = PageParts::toolButton(QStringLiteral("增加"), bar, 8, 4);
    auto *remove = PageParts::toolButton(QStringLiteral("删除"), bar, 91, 4);
    auto *save = PageParts::toolButton(QStringLiteral("保存"), bar, 174, 4);
    Prompts &prompts = m_context.prompts;
    ErrorPolicy::connect(add, &QPushButton::clicked, this, prompts, &SettingsPage::addUser);
    ErrorPolicy::connect(remove, &QPushButton::clicked, this, prompts, &SettingsPage::deleteUser);
    ErrorPolicy::connect(save, &QPushButton::clicked, this, prompts, &SettingsPage::saveUsers);
}

void SettingsPage::buildSettingsGroup() {
    auto *group = new QGroupBox(QStringLiteral("系统设置"), this);
    group->setObjectName(QStringLiteral("settingsGroup"));
    group->setGeometry(0, UsersHeight, SettingsWidth, PageHeight - UsersHeight);
    // Bringing in bills and writing the books out sit beside the backups.
    auto *transfer = new DataTransferGroup(m_context, this);
    transfer->setGeometry(SettingsWidth + 2, UsersHeight, PageWidth - SettingsWidth - 2,
                          PageHeight - UsersHeight);

    auto *backup = bigButton(QStringLiteral("数据库备份"), group, {24, 36, 121, 41});
    auto *restore = bigButton(QStringLiteral("数据库还原"), group, {184, 36, 113, 41});
    auto *autoRestore = bigButton(QStringLiteral("从自动备份还原…"), group, {337, 36, 137, 41});
    auto *update = bigButton(QStringLiteral("在线升级"), group, {514, 36, 113, 41});

    auto *note = new QLabel(BackupNote, group);
    note->setObjectName(QStringLiteral("backupNote"));
    note->setWordWrap(true);
    note->setGeometry(24, 84, SettingsWidth - 48, 36);

    // How many automatic copies are kept; stored as soon as a number changes.
    auto *keep = new QWidget(group);
    keep->setGeometry(24, 124, SettingsWidth - 48, 28);
    auto *row = new QHBoxLayout(keep);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    m_keepDaily = keepBox(QStringLiteral("按日保留"), AutoBackups::KeepCounts::MaxDaily, 1, keep);
    m_keepWeekly = keepBox(QStringLiteral("按周保留"), AutoBackups::KeepCounts::MaxWeekly, 0, keep);
    m_keepMonthly =
        keepBox(QStringLiteral("按月保留"), AutoBackups::KeepCounts::MaxMonthly, 0, keep);
    row->addWidget(new QLabel(QStringLiteral("关闭程序时自动备份，保留最近："), keep));
    const std::pair<QSpinBox *, const char *> boxes[] = {
        {m_keepDaily, "天各一份，"}, {m_keepWeekly, "周各一份，"}, {m_keepMonthly, "个月各一份"}};
    for (const auto &[box, unit] : boxes) {
        row->addWidget(box);
        row->addWidget(new QLabel(QString::fromUtf8(unit), keep));
        ErrorPolicy::connect(box, &QSpinBox::valueChanged, this, m_context.prompts,
                             &SettingsPage::keepCountsChanged);
    }
    row->addStretch();

    Prompts &prompts = m_context.prompts;
    ErrorPolicy::connect(backup, &QPushButton::clicked, this, prompts, &SettingsPage::backUp);
    ErrorPolicy::connect(restore, &QPushButton::clicked, this, prompts, &SettingsPage::restore);
    ErrorPolicy::connect(autoRestore, &QPushButton::clicked, this, prompts,
                         &SettingsPage::restoreAutomaticCopy);
    ErrorPolicy::connect(update, &QPushButton::clicked, this, prompts,
                         &SettingsPage::checkForUpdate);
}

void SettingsPage::enter() {
    // Entering the page passes over a failure to read the list, as it always has.
    ErrorPolicy::quietly([this] { reloadUsers(); });
    const AutoBackups::KeepCounts counts = AutoBackups::readKeepCounts(Backup::autoFolder());
    for (const auto &[box, value] :
         {std::pair{m_keepDaily, counts.daily}, std::pair{m_keepWeekly, counts.weekly},
          std::pair{m_keepMonthly, counts.monthly}}) {
        const QSignalBlocker quiet(box);
        box->setValue(value);
    }
}

bool SettingsPage::leave() {
    m_grid->commitEdit();
    return PageParts::mayLeave(
        m_context.prompts, m_model->hasPendingChanges(), [this] { return writeUsers(); },
        [this] { m_model->cancel(); });
}

void SettingsPage::reloadUsers() {
    m_model->load();
    m_grid->applyColumns({
        {.field = "id", .hidden = true},
        {.field = "用户名", .width = 160},
        {.field = "密码", .width = 160},
    });
}

void SettingsPage::addUser() {
    const int row = m_model->appendRow();
    m_grid->setCurrentRow(row);
    m_grid->view()->scrollToBottom();
}

void SettingsPage::deleteUser() {
    const int row = m_grid->currentRow();
    const QVariant id = row >= 0 ? m_model->value(row, QStringLiteral("id")) : QVariant();
    // A row not saved yet has no id: nothing to delete, and nothing is said.
    if (id.isNull() || id.toString().isEmpty())
        return;
    if (id.toLongLong() == UserQueries::DefaultUserId) {
        m_context.prompts.inform(Captions::system(), QStringLiteral("系统默认用户不能删除！"),
                                 Prompts::Icon::None);
        return;
    }
    if (!Questions::confirmDelete(m_context.prompts))
        return;
    UserQueries::deleteUser(m_context.db, id.toLongLong());
    reloadUsers();
}

void SettingsPage::saveUsers() {
    m_grid->commitEdit();
    if (!Questions::confirmSave(m_context.prompts)) {
        m_model->cancel();
        return;
    }
    writeUsers();
}

bool SettingsPage::writeUsers() {
    if (const auto problem = UserQueries::checkNames(*m_model)) {
        m_context.prompts.inform(Captions::system(), problem->message, Prompts::Icon::Error);
        const int nameColumn = m_model->column(QStringLiteral("用户名"));
        m_grid->view()->setCurrentIndex(m_model->index(problem->row, nameColumn));
        m_grid->view()->setFocus();
        return false;
    }
    // A failed save keeps every edit pending, for the user to mend and save again.
    if (const auto result = m_model->save(); !result.ok) {
        m_context.prompts.inform(
            Captions::system(),
            ErrorPolicy::messageWithReason(QStringLiteral("对不起，操作异常"), result.engineText),
            Prompts::Icon::None);
        return false;
    }
    return true;
}

void SettingsPage::backUp() {
    const FileResult done = Backup::backupDatabase(m_context.db, Backup::manualBackupPath());
    if (done)
        m_context.prompts.inform(Captions::application(), QStringLiteral("数据库备份成功!"),
                                 Prompts::Icon::None);
    else
        m_context.prompts.inform(Captions::system(),
                                 QStringLiteral("数据库备份失败：") + reasonOnly(done.reason),
                                 Prompts::Icon::Error);
}

void SettingsPage::restore() {
    if (!m_context.prompts.confirm(Captions::system(), RestoreQuestion, Prompts::Icon::Question))
        return;
    restoreFrom(Backup::manualBackupPath());
}

void SettingsPage::restoreAutomaticCopy() {
    auto *dialog = new AutoBackupDialog(Backup::autoFolder(), window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (dialog->copyCount() == 0) {
        delete dialog;
        m_context.prompts.inform(
            Captions::system(),
            QStringLiteral("还没有自动备份：数据有改动后关闭程序时，程序会自动备份。"),
            Prompts::Icon::None);
        return;
    }
    ErrorPolicy::connect(dialog, &AutoBackupDialog::chosen, this, m_context.prompts,
                         [this](const QString &path) {
                             if (m_context.prompts.confirm(Captions::system(), RestoreQuestion,
                                                           Prompts::Icon::Question))
                                 restoreFrom(path);
                         });
    dialog->open();
}

void SettingsPage::restoreFrom(const QString &backupPath) {
    // The quick look refuses a missing or foreign file while everything is still open;
    // the restore checks the copy in full once the books are closed.
    if (const BackupCheck check = checkBackup(backupPath, CheckDepth::Quick); !check.ok()) {
        m_context.prompts.inform(Captions::system(),
                                 QStringLiteral("数据库还原失败：") + check.reason,
                                 Prompts::Icon::Error);
        return;
    }
    // The page is gone by the time the books are closed; the prompts are not.
    Prompts &prompts = m_context.prompts;
    m_context.program.reopenBooks([&prompts, backupPath](const QString &databasePath) {
        auto notice = showRestoreNotice();
        const FileResult restored =
            restoreBackup(backupPath, databasePath, Backup::beforeRestorePath());
        notice.reset();
        if (restored)
            prompts.inform(Captions::application(),
                           QStringLiteral("数据库还原成功，请重新登陆系统!"), Prompts::Icon::None);
        else
            prompts.inform(
                Captions::system(),
                QStringLiteral("数据库还原失败：%1\n当前数据库没有改变。").arg(restored.reason),
                Prompts::Icon::Error);
    });
}

void SettingsPage::keepCountsChanged() {
    const AutoBackups::KeepCounts counts{m_keepDaily->value(), m_keepWeekly->value(),
                                         m_keepMonthly->value()};
    if (const FileResult saved = AutoBackups::writeKeepCounts(Backup::autoFolder(), counts); !saved)
        m_context.prompts.inform(Captions::system(),
                                 QStringLiteral("无法保存自动备份的保留份数：") + saved.reason,
                                 Prompts::Icon::Error);
}

void SettingsPage::checkForUpdate() {
    if (m_check->isRunning())
        return;
    m_busy = new BusyBox(QStringLiteral("正在检查新版本…"), window());
    m_busy->setObjectName(QStringLiteral("updateCheckBox"));
    connect(m_busy, &BusyBox::cancelled, this, [this] {
        m_check->cancel();
        closeBusyBox();
    });
    m_check->start(QUrl(SiteTexts::updateCheckUrl()));
    m_busy->show();
}

void SettingsPage::closeBusyBox() {
    if (m_busy) {
        m_busy->finish();
        m_busy->deleteLater();
    }
    m_busy = nullptr;
}

void SettingsPage::updateCheckFinished(UpdateCheck::Outcome outcome) {
    closeBusyBox();
    Prompts &prompts = m_context.prompts;
    switch (outcome) {
    case UpdateCheck::Outcome::Latest:
        prompts.inform(Captions::application(), QStringLiteral("当前版本已经是最新版，无需更新"),
                       Prompts::Icon::None);
        return;
    case UpdateCheck::Outcome::Failed:
        prompts.inform(Captions::application(), QStringLiteral("无法连接到服务器"),
                       Prompts::Icon::None);
        return;
    case UpdateCheck::Outcome::Newer:
        break;
    }
    // The updater replaces the program, which must have ended by then.
    if (!m_context.shell.startProgram(QDir(m_context.folder).filePath(UpdaterName))) {
        prompts.inform(Captions::system(), QStringLiteral("无法启动升级程序"),
                       Prompts::Icon::Error);
        return;
    }
    window()->close();
}

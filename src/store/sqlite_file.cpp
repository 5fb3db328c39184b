#include "store/sqlite_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QUrl>
#include <QVariant>
#include <sqlite3.h>

namespace {

const char *const companionSuffixes[] = {"-journal", "-wal"};

} // namespace

SqliteFile::~SqliteFile() {
    close();
}

int SqliteFile::open(const QString &path, Mode mode, QString *error) {
    close();
    // A URI, so that mode=rw refuses a missing file instead of making an empty one.
    const QString uri =
        QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
        (mode == ReadWrite ? QStringLiteral("?mode=rw") : QStringLiteral("?immutable=1"));
    const int flags =
        SQLITE_OPEN_URI | (mode == ReadWrite ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY);
    const int rc = sqlite3_open_v2(uri.toUtf8().constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        if (error)
            *error = m_db ? lastError() : QString::fromUtf8(sqlite3_errstr(rc));
        close();
        return rc;
    }
    sqlite3_extended_result_codes(m_db, 0);
    sqlite3_busy_timeout(m_db, 5000);
    return rc;
}

int SqliteFile::exec(const char *sql, QString *error) {
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK && error)
        *error = lastError();
    return rc;
}

int SqliteFile::close() {
    if (!m_db)
        return SQLITE_OK;
    const int rc = sqlite3_close(m_db);
    m_db = nullptr;
    return rc;
}

QString SqliteFile::lastError() const {
    return QString::fromUtf8(sqlite3_errmsg(m_db));
}

sqlite3 *sqliteHandleOf(const QSqlDatabase &db) {
    // The driver and this library must share one SQLite: on Debian both use the system's
    // libsqlite3, so the handle is valid here.
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

QStringList existingSqliteCompanions(const QString &path) {
    QStringList found;
    for (const char *suffix : companionSuffixes) {
        const QString companion = path + QLatin1String(suffix);
        if (QFileInfo::exists(companion))
            found << companion;
    }
    return found;
}

FileResult removeSqliteCompanions(const QString &path) {
    for (const QString &companion : existingSqliteCompanions(path)) {
        QFile file(companion);
        if (!file.remove())
            return FileResult::failure(
                QStringLiteral("无法删除“%1”：%2")
                    .arg(QDir::toNativeSeparators(companion), file.errorString()));
    }
    return FileResult::success();
}

#include "store/staged_file.h"

#include "store/sqlite_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

QString cannotWrite(const QString &path, const QString &why) {
    return QStringLiteral("无法写入“%1”：%2").arg(QDir::toNativeSeparators(path), why);
}

FileResult syncFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return FileResult::failure(cannotWrite(path, file.errorString()));
#ifdef Q_OS_WIN
    const bool synced = _commit(file.handle()) == 0;
#else
    const bool synced = ::fsync(file.handle()) == 0;
#endif
    if (!synced)
        return FileResult::failure(cannotWrite(path, QString::fromLocal8Bit(std::strerror(errno))));
    return FileResult::success();
}

// Makes a rename in folder durable. Best effort: some file systems cannot sync a folder,
// and the rename itself has already happened.
void syncFolder(const QString &folder) {
#ifndef Q_OS_WIN
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

std::filesystem::path fsPath(const QString &path) {
    return std::filesystem::path(path.toStdU16String());
}

} // namespace

StagedFile::StagedFile(QString target) : m_target(std::move(target)) {}

StagedFile::~StagedFile() {
    discard();
}

FileResult StagedFile::create() {
    const QFileInfo target(m_target);
    const QString folder = target.absolutePath();
    if (!QDir().mkpath(folder))
        return FileResult::failure(
            QStringLiteral("无法创建文件夹“%1”").arg(QDir::toNativeSeparators(folder)));
    // A name that can never match the target's own pattern or a backup's.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString candidate =
            QStringLiteral("%1/%2.%3.tmp")
                .arg(folder, target.fileName(),
                     QString::number(QRandomGenerator::global()->generate(), 36));
        QFile file(candidate);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            m_temp = candidate;
            return FileResult::success();
        }
        if (QFileInfo::exists(candidate))
            continue;
        return FileResult::failure(cannotWrite(candidate, file.errorString()));
    }
    return FileResult::failure(cannotWrite(folder, QStringLiteral("no free temporary name")));
}

FileResult StagedFile::copyFrom(const QString &source) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return FileResult::failure(QStringLiteral("无法读取“%1”：%2")
                                       .arg(QDir::toNativeSeparators(source), in.errorString()));
    QFile out(m_temp);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::ExistingOnly))
        return FileResult::failure(cannotWrite(m_temp, out.errorString()));
    QByteArray chunk;
    while (!(chunk = in.read(1 << 20)).isEmpty()) {
        if (out.write(chunk) != chunk.size())
            return FileResult::failure(cannotWrite(m_temp, out.errorString()));
    }
    if (in.error() != QFileDevice::NoError)
        return FileResult::failure(QStringLiteral("无法读取“%1”：%2")
                                       .arg(QDir::toNativeSeparators(source), in.errorString()));
    if (!out.flush())
        return FileResult::failure(cannotWrite(m_temp, out.errorString()));
    return FileResult::success();
}

FileResult StagedFile::commit() {
    if (m_temp.isEmpty())
        return FileResult::failure(cannotWrite(m_target, QStringLiteral("nothing staged")));
    if (FileResult synced = syncFile(m_temp); !synced)
        return synced;
    std::error_code error;
    // Replaces an existing file in one step (rename(2) on POSIX, MoveFileEx on Windows).
    std::filesystem::rename(fsPath(m_temp), fsPath(m_target), error);
    if (error)
        return FileResult::failure(cannotWrite(m_target, QString::fromStdString(error.message())));
    m_temp.clear();
    syncFolder(QFileInfo(m_target).absolutePath());
    return FileResult::success();
}

void StagedFile::discard() {
    if (m_temp.isEmpty())
        return;
    QFile::remove(m_temp);
    // SQLite may have left its own journal beside the temporary file.
    (void)removeSqliteCompanions(m_temp);
    m_temp.clear();
}

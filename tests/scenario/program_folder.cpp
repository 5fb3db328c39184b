#include "program_folder.h"

#include "step_failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString DatabaseName = QStringLiteral("fmy.dll");
// What the build writes instead of a fmy.dll: the books of a new household.
const QString SeedName = QStringLiteral(TALLYBEE_SEED_FILE);
const QString SkinName = QStringLiteral(TALLYBEE_SKIN_FILE);
} // namespace

ProgramFolder::ProgramFolder(const QString &installFolder) : m_install(installFolder) {
    if (!m_dir.isValid())
        fail(QStringLiteral("expected a temporary program folder, found %1")
                 .arg(m_dir.errorString()));
}

QString ProgramFolder::databasePath() const {
    return filePath(DatabaseName);
}

QString ProgramFolder::filePath(const QString &name) const {
    return m_dir.filePath(name);
}

void ProgramFolder::useSeededDatabase() {
    copyIn(QDir(m_install).filePath(SeedName), DatabaseName);
}

void ProgramFolder::useDatabaseFile(const QString &source) {
    copyIn(source, DatabaseName);
}

void ProgramFolder::removeDatabase() {
    remove(DatabaseName);
}

void ProgramFolder::installSkin() {
    copyIn(QDir(m_install).filePath(SkinName), SkinName);
}

void ProgramFolder::removeSkin() {
    remove(SkinName);
}

void ProgramFolder::copyIn(const QString &source, const QString &name) {
    if (!QFileInfo(source).isFile())
        fail(QStringLiteral("expected the file %1, found none")
                 .arg(QDir::toNativeSeparators(source)));
    remove(name);
    const QString target = filePath(name);
    if (!QFile::copy(source, target))
        fail(
            QStringLiteral("expected to copy %1 into the program folder, found it cannot be copied")
                .arg(QDir::toNativeSeparators(source)));
    // A copy of a read-only build product must still be writable by the program.
    QFile::setPermissions(target,
                          QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
}

void ProgramFolder::remove(const QString &name) {
    const QString target = filePath(name);
    if (QFileInfo::exists(target) && !QFile::remove(target))
        fail(QStringLiteral(
                 "expected to remove %1 from the program folder, found it cannot be removed")
                 .arg(name));
}

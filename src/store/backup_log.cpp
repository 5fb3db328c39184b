#include "store/backup_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace BackupLog {

namespace {

// A line not shown yet starts with this mark; a shown one with blanks of its width.
const QString Unshown = QStringLiteral("* ");
const QString Shown = QStringLiteral("  ");
constexpr int KeptLines = 200;

} // namespace

void recordFailure(const QString &logPath, const QDateTime &when, const QString &reason) {
    QDir().mkpath(QFileInfo(logPath).absolutePath());
    QFile file(logPath);
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return;
    QString text = reason;
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    file.write((Unshown + when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1Char(' ') +
                text + QLatin1Char('\n'))
                   .toUtf8());
}

QStringList takeUnshown(const QString &logPath) {
    QFile file(logPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines =
        QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    file.close();

    QStringList unshown;
    for (QString &line : lines) {
        if (line.startsWith(Unshown)) {
            unshown << line.mid(Unshown.size());
            line.replace(0, Unshown.size(), Shown);
        }
    }
    if (unshown.isEmpty())
        return {};
    QSaveFile rewritten(logPath);
    if (rewritten.open(QIODevice::WriteOnly | QIODevice::Text)) {
        rewritten.write((lines.mid(qMax(0, int(lines.size()) - KeptLines)).join(QLatin1Char('\n')) +
                         QLatin1Char('\n'))
                            .toUtf8());
        rewritten.commit();
    }
    return unshown;
}

} // namespace BackupLog

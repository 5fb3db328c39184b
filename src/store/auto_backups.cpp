#include "store/auto_backups.h"

#include "store/backup.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <algorithm>
#include <numeric>

namespace AutoBackups {

namespace {

qint64 dayKey(const QDate &day) {
    return day.toJulianDay();
}

qint64 weekKey(const QDate &day) {
    int weekYear = 0;
    const int week = day.weekNumber(&weekYear);
    return qint64(weekYear) * 100 + week;
}

qint64 monthKey(const QDate &day) {
    return qint64(day.year()) * 100 + day.month();
}

} // namespace

KeepCounts KeepCounts::bounded() const {
    return {std::clamp(daily, 1, MaxDaily), std::clamp(weekly, 0, MaxWeekly),
            std::clamp(monthly, 0, MaxMonthly)};
}

namespace {
QString keepFile(const QString &folder) {
    return QDir(folder).filePath(QStringLiteral("keep.ini"));
}
} // namespace

KeepCounts readKeepCounts(const QString &folder) {
    const KeepCounts defaults;
    if (!QFileInfo::exists(keepFile(folder)))
        return defaults;
    QSettings file(keepFile(folder), QSettings::IniFormat);
    auto read = [&](const char *key, int fallback) {
        bool ok = false;
        const int value = file.value(QLatin1String(key)).toInt(&ok);
        return ok ? value : fallback;
    };
    return KeepCounts{read("daily", defaults.daily), read("weekly", defaults.weekly),
                      read("monthly", defaults.monthly)}
        .bounded();
}

FileResult writeKeepCounts(const QString &folder, const KeepCounts &counts) {
    const KeepCounts kept = counts.bounded();
    if (!QDir().mkpath(folder))
        return FileResult::failure(
            QStringLiteral("无法创建文件夹“%1”").arg(QDir::toNativeSeparators(folder)));
    QSaveFile file(keepFile(folder));
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        file.write(QStringLiteral("daily=%1\nweekly=%2\nmonthly=%3\n")
                       .arg(kept.daily)
                       .arg(kept.weekly)
                       .arg(kept.monthly)
                       .toUtf8());
        if (file.commit())
            return FileResult::success();
    }
    return FileResult::failure(
        QStringLiteral("无法写入“%1”：%2")
            .arg(QDir::toNativeSeparators(keepFile(folder)), file.errorString()));
}

QString fileName(const QDateTime &taken) {
    return QStringLiteral("fmy-%1.bak").arg(taken.toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

QDateTime takenFromName(const QString &fileName) {
    static const QRegularExpression pattern(
        QStringLiteral("^fmy-(\\d{4})(\\d{2})(\\d{2})-(\\d{2})(\\d{2})(\\d{2})\\.bak$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return {};
    auto part = [&](int i) { return match.captured(i).toInt(); };
    const QDate day(part(1), part(2), part(3));
    const QTime time(part(4), part(5), part(6));
    if (!day.isValid() || !time.isValid())
        return {};
    return QDateTime(day, time);
}

std::vector<Copy> list(const QString &folder) {
    std::vector<Copy> copies;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::NoSymLinks);
    for (const QFileInfo &file : files) {
        const QDateTime taken = takenFromName(file.fileName());
        if (taken.isValid())
            copies.push_back({file.absoluteFilePath(), taken, file.size()});
    }
    std::sort(copies.begin(), copies.end(), [](const Copy &a, const Copy &b) {
        return a.taken != b.taken ? a.taken > b.taken : a.path > b.path;
    });
    return copies;
}

std::vector<bool> keep(const std::vector<QDateTime> &taken, const KeepCounts &counts) {
    std::vector<size_t> newestFirst(taken.size());
    std::iota(newestFirst.begin(), newestFirst.end(), size_t(0));
    std::stable_sort(newestFirst.begin(), newestFirst.end(),
                     [&](size_t a, size_t b) { return taken[a] > taken[b]; });

    std::vector<bool> kept(taken.size(), false);
    // Walking newest first, the periods come in order and the first copy of each is its
    // newest; the first `count` periods met are the last ones that have copies.
    auto apply = [&](qint64 (*period)(const QDate &), int count) {
        bool started = false;
        qint64 current = 0;
        int periods = 0;
        for (size_t i : newestFirst) {
            const qint64 key = period(taken[i].date());
            if (started && key == current)
                continue;
            started = true;
            current = key;
            if (periods++ >= count)
                break;
            kept[i] = true;
        }
    };
    apply(dayKey, counts.daily);
    apply(weekKey, counts.weekly);
    apply(monthKey, counts.monthly);
    return kept;
}

PruneResult prune(const QString &folder, const KeepCounts &counts) {
    const std::vector<Copy> copies = list(folder);
    std::vector<QDateTime> taken;
    taken.reserve(copies.size());
    for (const Copy &copy : copies)
        taken.push_back(copy.taken);
    const std::vector<bool> kept = keep(taken, counts);

    PruneResult result;
    for (size_t i = 0; i < copies.size(); ++i) {
        if (kept[i])
            continue;
        QFile file(copies[i].path);
        if (file.remove())
            result.removed << copies[i].path;
        else
            result.failures << QStringLiteral("无法删除“%1”：%2")
                                   .arg(QDir::toNativeSeparators(copies[i].path),
                                        file.errorString());
    }
    return result;
}

FileResult take(Database &db, const QString &folder, const QDateTime &now,
                const KeepCounts &counts) {
    const FileResult backedUp = Backup::backupDatabase(db, QDir(folder).filePath(fileName(now)));
    if (backedUp)
        prune(folder, counts);
    return backedUp;
}

} // namespace AutoBackups

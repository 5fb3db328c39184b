#include "store/auto_backups.h"
#include "store/backup.h"
#include "store/backup_check.h"
#include "store/backup_log.h"
#include "store/books_notifier.h"
#include "store/database.h"
#include "store/edit_watch.h"
#include "store/restore.h"
#include "store/schema.h"
#include "temp_database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void addEntries(Database &db, int count) {
    Transaction tx(db);
    for (int i = 0; i < count; ++i)
        db.exec("insert into s_shouru (f_fenleiid,s_jine,s_date,f_class,s_other) "
                "values (2,10000,'2024-05-03 00:00:00','S',:other)",
                {{"other", QString(200, QChar(u'账'))}});
    tx.commit();
}

QByteArray bytesOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList namesIn(const QString &folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QDateTime at(const char *text) {
    return QDateTime::fromString(QString::fromLatin1(text), "yyyy-MM-dd HH:mm");
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private slots:
    void backupHoldsTheLastCommittedState() {
        TempDatabase t;
        addEntries(t.db(), 3);
        QTemporaryDir out;
        const QString target = out.filePath("tb_bak/fmy.bak"); // the folder is made

        Database other = Database::open(t.path());
        other.exec("begin");
        other.exec("insert into s_shouru (s_jine,f_class) values (1,'S'),(2,'S')");
        QVERIFY(Backup::backupDatabase(t.db(), target));
        other.exec("rollback");
        QCOMPARE(checkBackup(target).entries, 3);

        // Our own connection in the middle of a save: the copy would hold half of it.
        Transaction tx(t.db());
        t.db().exec("insert into s_shouru (s_jine,f_class) values (1,'S')");
        const FileResult refused = Backup::backupDatabase(t.db(), target);
        QVERIFY(!refused.ok);
        QVERIFY(!refused.reason.isEmpty());
    }

    void secondBackupReplacesTheFirstAndLeavesNothingElse() {
        TempDatabase t;
        QTemporaryDir out;
        const QString target = out.filePath("fmy.bak");
        QVERIFY(Backup::backupDatabase(t.db(), target));
        addEntries(t.db(), 2);
        int calls = 0;
        QVERIFY(Backup::backupDatabase(t.db(), target, [&](int copied, int total) {
            ++calls;
            return copied <= total;
        }));
        QVERIFY(calls > 0);
        QCOMPARE(checkBackup(target).entries, 2);
        QCOMPARE(namesIn(out.path()), QStringList{"fmy.bak"});
    }

    void failedBackupLeavesTheEarlierCopyWhole() {
        TempDatabase t;
        addEntries(t.db(), 6000); // several slices of the copy
        QTemporaryDir out;
        const QString target = out.filePath("fmy.bak");
        QVERIFY(Backup::backupDatabase(t.db(), target));
        const QByteArray earlier = bytesOf(target);
        addEntries(t.db(), 1);

        // Stopped half-way.
        int slices = 0;
        const FileResult cancelled =
            Backup::backupDatabase(t.db(), target, [&](int, int) { return ++slices < 2; });
        QVERIFY(!cancelled.ok);
        QCOMPARE(slices, 2);
        QCOMPARE(bytesOf(target), earlier);
        QCOMPARE(namesIn(out.path()), QStringList{"fmy.bak"});

        // A folder where the copy should go, and a file where its folder should be.
        QVERIFY(QDir(out.path()).mkpath("taken/inside"));
        QVERIFY(!Backup::backupDatabase(t.db(), out.filePath("taken")).ok);
        QCOMPARE(namesIn(out.filePath("taken")), QStringList{"inside"});
        const FileResult noFolder = Backup::backupDatabase(t.db(), out.filePath("fmy.bak/x.bak"));
        QVERIFY(!noFolder.ok);
        QVERIFY(noFolder.reason.contains("fmy.bak"));
        QCOMPARE(namesIn(out.path()), (QStringList{"fmy.bak", "taken"}));
        QCOMPARE(bytesOf(target), earlier);
    }

    void checkTellsWhatIsWrongWithAFile() {
        TempDatabase t;
        addEntries(t.db(), 4);
        QTemporaryDir out;
        const QString good = out.filePath("good.bak");
        QVERIFY(Backup::backupDatabase(t.db(), good));
        const QByteArray goodBytes = bytesOf(good);
        auto variant = [&](const char *name, const QByteArray &bytes) {
            writeBytes(out.filePath(name), bytes);
            return out.filePath(name);
        };
        auto changed = [&](const char *name, const char *sql) {
            const QString path = variant(name, goodBytes);
            Database db = Database::open(path);
            db.exec(QString::fromLatin1(sql));
            return path;
        };

        QCOMPARE(checkBackup(out.filePath("none.bak")).verdict, BackupCheck::Missing);
        const BackupCheck garbage = checkBackup(variant("garbage.bak", QByteArray(9000, 'x')));
        QCOMPARE(garbage.verdict, BackupCheck::NotADatabase);
        QCOMPARE(garbage.reason, "备份文件不是数据库");
        QCOMPARE(checkBackup(variant("empty.bak", {})).verdict, BackupCheck::NotADatabase);
        QCOMPARE(checkBackup(variant("cut.bak", goodBytes.left(goodBytes.size() / 2))).verdict,
                 BackupCheck::Damaged);
        QByteArray scribbled = goodBytes;
        scribbled.replace(4096 * 3, 4096 * 2, QByteArray(4096 * 2, '\x5a'));
        const QString scribbledPath = variant("scribbled.bak", scribbled);
        QCOMPARE(checkBackup(scribbledPath).reason, "备份文件已损坏");
        QCOMPARE(checkBackup(scribbledPath, CheckDepth::Quick).verdict, BackupCheck::Damaged);

        const QString foreign = out.filePath("foreign.db");
        Database::create(foreign).exec("create table t (x)");
        QCOMPARE(checkBackup(foreign).reason, "备份文件不是Tallybee的数据库（缺少 sys_sys）");
        QCOMPARE(checkBackup(changed("noview.bak", "drop view s_ys")).reason,
                 "备份文件不是Tallybee的数据库（缺少 s_ys）");
        const QString newer = changed(
            "newer.bak",
            qPrintable(QString("PRAGMA user_version=%1").arg(Schema::currentVersion() + 1)));
        QCOMPARE(checkBackup(newer).reason, "备份文件来自更新版本的Tallybee");

        const BackupCheck ok = checkBackup(good);
        QVERIFY(ok.ok());
        QCOMPARE(ok.entries, 4);
        QCOMPARE(checkBackup(good, CheckDepth::Quick).entries, 4);
        // Looking changes nothing.
        QCOMPARE(bytesOf(good), goodBytes);
        QVERIFY(!QFile::exists(good + "-journal") && !QFile::exists(good + "-wal"));
    }

    void restoreReplacesTheBooksAndKeepsTheOldOnes() {
        TempDatabase t;
        addEntries(t.db(), 2);
        QTemporaryDir out;
        const QString backup = out.filePath("fmy.bak");
        const QString kept = out.filePath("fmy.before-restore.bak");
        QVERIFY(Backup::backupDatabase(t.db(), backup));
        addEntries(t.db(), 5);
        t.db().close();

        // A wrong file is refused before anything is touched.
        const QByteArray live = bytesOf(t.path());
        const QString garbage = out.filePath("garbage.bak");
        writeBytes(garbage, QByteArray(5000, 'x'));
        const FileResult refused = restoreBackup(garbage, t.path(), kept);
        QCOMPARE(refused.reason, "备份文件不是数据库");
        QCOMPARE(bytesOf(t.path()), live);
        QVERIFY(!QFile::exists(kept));
        // Another program in the middle of a save.
        {
            Database other = Database::open(t.path());
            other.exec("begin");
            other.exec("insert into s_shouru (s_jine,f_class) values (1,'S')");
            QCOMPARE(restoreBackup(backup, t.path(), kept).reason,
                     "数据库正被其他程序使用，请关闭它后再还原");
            QCOMPARE(checkBackup(kept).entries, 7);
            other.exec("rollback");
        }
        QCOMPARE(bytesOf(t.path()), live);

        // An empty journal SQLite left behind is no reason to refuse.
        writeBytes(t.path() + "-journal", {});
        QVERIFY(restoreBackup(backup, t.path(), kept));
        QCOMPARE(bytesOf(t.path()), bytesOf(backup));
        QCOMPARE(checkBackup(kept).entries, 7);
        QCOMPARE(namesIn(t.folder()), QStringList{"fmy.dll"});
        QCOMPARE(Database::open(t.path()).scalar("select count(*) from s_shouru").toInt(), 2);
    }

    void restoreIsNotSpoiledByTheJournalOfACrash() {
        TempDatabase t;
        addEntries(t.db(), 2);
        QTemporaryDir out;
        const QString backup = out.filePath("fmy.bak");
        QVERIFY(Backup::backupDatabase(t.db(), backup));
        addEntries(t.db(), 1);

        // A save that has already written into the file when the program dies: the file
        // and its hot journal as they lie at that moment.
        t.db().exec("PRAGMA cache_size=2");
        t.db().exec("begin");
        t.db().exec("delete from s_shouru");
        addEntries(t.db(), 300);
        const QString crashed = out.filePath("crashed.dll");
        QVERIFY(QFile::copy(t.path() + "-journal", crashed + "-journal"));
        QVERIFY(QFile::copy(t.path(), crashed));
        t.db().exec("rollback");

        const QString kept = out.filePath("kept.bak");
        QVERIFY(restoreBackup(backup, crashed, kept));
        QCOMPARE(Database::open(crashed).scalar("select count(*) from s_shouru").toInt(), 2);
        QCOMPARE(checkBackup(crashed).entries, 2);
        // The kept books are the last saved state: the crashed save was rolled back.
        QCOMPARE(checkBackup(kept).entries, 3);
    }

    void namesOfAutomaticBackups() {
        QCOMPARE(AutoBackups::fileName(at("2024-03-09 07:05")), "fmy-20240309-070500.bak");
        QCOMPARE(AutoBackups::takenFromName("fmy-20240309-070500.bak"), at("2024-03-09 07:05"));
        for (const char *other :
             {"fmy.bak", "fmy-20241301-000000.bak", "fmy-20240309-070500.bak.x1.tmp",
              "FMY-20240309-070500.bak", "fmy-2024030-0070500.bak"})
            QVERIFY2(!AutoBackups::takenFromName(other).isValid(), other);
    }

    void weeksAreIsoWeeksAcrossTheNewYear() {
        // 2020-12-31 to 2021-01-03 are all in ISO week 53 of 2020.
        const std::vector<QDateTime> taken{at("2020-12-31 20:00"), at("2021-01-04 20:00"),
                                           at("2021-01-01 20:00"), at("2021-01-03 20:00")};
        QCOMPARE(AutoBackups::keep(taken, {0, 3, 0}),
                 (std::vector<bool>{false, true, false, true}));
        QCOMPARE(AutoBackups::keep(taken, {0, 0, 0}), std::vector<bool>(4, false));
    }

    void aYearOfClosingsLeavesWhatTheRuleNames() {
        QTemporaryDir out;
        const QString folder = out.filePath("auto");
        QVERIFY(QDir().mkpath(folder + "/fmy-20240105-120000.bak"));
        const QStringList strangers{"fmy-20240105-120000.bak", "fmy-20240106-213000.bak.k3.tmp",
                                    "fmy.bak", "notes.txt"};
        for (const QString &name : strangers.mid(1))
            writeBytes(folder + "/" + name, "x");

        // A closing every evening from December 2023 on, none in August 2024 nor over
        // Christmas, and one extra in the morning of New Year's Eve. Each prunes.
        for (QDate day(2023, 12, 1); day <= QDate(2024, 12, 31); day = day.addDays(1)) {
            if (day.month() == 8 || (day.month() == 12 && day.day() >= 24 && day.day() <= 26))
                continue;
            QList<QTime> times{QTime(21, 30)};
            if (day == QDate(2024, 12, 31))
                times.prepend(QTime(8, 15));
            for (const QTime &time : times) {
                writeBytes(folder + "/" + AutoBackups::fileName(QDateTime(day, time)), "copy");
                QVERIFY(AutoBackups::prune(folder).ok());
            }
        }

        QStringList left;
        for (const AutoBackups::Copy &copy : AutoBackups::list(folder))
            left << copy.taken.toString("yyyy-MM-dd HH:mm");
        const QStringList expected{
            // the last seven days that have copies
            "2024-12-31 21:30", "2024-12-30 21:30", "2024-12-29 21:30", "2024-12-28 21:30",
            "2024-12-27 21:30", "2024-12-23 21:30", "2024-12-22 21:30",
            // Sundays ending the ISO weeks before (weeks 52 and 51 already have theirs)
            "2024-12-15 21:30",
            // the last day of each month with copies (December already has its own)
            "2024-11-30 21:30", "2024-10-31 21:30", "2024-09-30 21:30", "2024-07-31 21:30",
            "2024-06-30 21:30", "2024-05-31 21:30", "2024-04-30 21:30", "2024-03-31 21:30",
            "2024-02-29 21:30", "2024-01-31 21:30", "2023-12-31 21:30"};
        QCOMPARE(left, expected);
        for (const QString &name : strangers)
            QVERIFY2(QFileInfo::exists(folder + "/" + name), qPrintable(name));
    }

    void automaticBackupFailingLeavesEarlierCopies() {
        TempDatabase t;
        QTemporaryDir out;
        const QString folder = out.filePath("auto");
        // A copy for each of the last 20 days, more than the rule keeps.
        for (int day = 1; day <= 20; ++day)
            QVERIFY(AutoBackups::take(t.db(), folder, QDateTime(QDate(2024, 5, day), QTime(21, 0)),
                                      {20, 0, 0}));
        const QStringList before = namesIn(folder);
        QCOMPARE(before.size(), 20);

        // The copy cannot be put in place: nothing is pruned and nothing is left behind.
        const QDateTime now(QDate(2024, 5, 21), QTime(21, 0));
        QVERIFY(QDir(folder).mkdir(AutoBackups::fileName(now)));
        QVERIFY(!AutoBackups::take(t.db(), folder, now, {1, 0, 0}).ok);
        QCOMPARE(namesIn(folder), QStringList(before) << AutoBackups::fileName(now));

        // Once it can, the rule applies again.
        QVERIFY(QDir(folder).rmdir(AutoBackups::fileName(now)));
        QVERIFY(AutoBackups::take(t.db(), folder, now, {1, 0, 0}));
        QCOMPARE(namesIn(folder), QStringList{AutoBackups::fileName(now)});
    }

    void keepCountsAreKeptBesideTheCopies() {
        QTemporaryDir out;
        const QString folder = out.filePath("auto");
        QCOMPARE(AutoBackups::readKeepCounts(folder), AutoBackups::KeepCounts{});
        QVERIFY(AutoBackups::writeKeepCounts(folder, {3, 0, 24}));
        QCOMPARE(AutoBackups::readKeepCounts(folder), (AutoBackups::KeepCounts{3, 0, 24}));
        // The newest copy is always kept; a file edited by hand is brought into range.
        QVERIFY(AutoBackups::writeKeepCounts(folder, {0, -1, 100000}));
        QCOMPARE(AutoBackups::readKeepCounts(folder), (AutoBackups::KeepCounts{1, 0, 240}));
        writeBytes(folder + "/keep.ini", "daily=x\nweekly=2\n");
        QCOMPARE(AutoBackups::readKeepCounts(folder), (AutoBackups::KeepCounts{7, 2, 12}));
        QVERIFY(!AutoBackups::writeKeepCounts(folder + "/keep.ini/x", {}).ok);
    }

    void eachLoggedFailureIsShownOnce() {
        QTemporaryDir out;
        const QString log = out.filePath("autobackup.log");
        QVERIFY(BackupLog::takeUnshown(log).isEmpty());
        BackupLog::recordFailure(log, at("2024-05-01 21:00"), "磁盘已满\n第二行");
        BackupLog::recordFailure(log, at("2024-05-02 21:00"), "无法创建文件夹");
        QCOMPARE(BackupLog::takeUnshown(log), (QStringList{"2024-05-01 21:00:00 磁盘已满 第二行",
                                                           "2024-05-02 21:00:00 无法创建文件夹"}));
        QVERIFY(BackupLog::takeUnshown(log).isEmpty());
        BackupLog::recordFailure(log, at("2024-05-03 21:00"), "又失败了");
        QCOMPARE(BackupLog::takeUnshown(log), QStringList{"2024-05-03 21:00:00 又失败了"});
        // The history stays in the log.
        QCOMPARE(QString::fromUtf8(bytesOf(log)).count("\n"), 3);
    }

    void editWatchSeesOnlyChangesToTheBooks() {
        TempDatabase t;
        Database &db = t.db();
        EditWatch watch(db);
        // What pages do for themselves: scratch tables, cached totals, the login.
        db.exec("insert into s_ls (s_date) values ('2024-05-01 00:00:00')");
        db.exec("delete from s_ls where 1");
        db.exec("insert into x_shou (xmoney, xid) values (1, 1)");
        db.exec("update z_zhanghu set z_yue = 5");
        db.exec("update sys_sys set isji = 1");
        // Rolled back.
        db.exec("begin");
        db.exec("insert into s_shouru (s_jine, f_class) values (1, 'S')");
        db.exec("rollback");
        QVERIFY(!watch.booksChanged());

        // An account renamed reaches the books through the list's notice.
        db.notifier().tableChanged("z_zhanghu");
        QCOMPARE(watch.committedChanges(), 1);
        Transaction tx(db);
        db.exec("insert into s_shouru (s_jine, f_class) values (1, 'S'), (2, 'Z')");
        db.exec("insert into notebook (n_info) values ('日记')");
        QCOMPARE(watch.committedChanges(), 1); // not yet committed
        tx.commit();
        QCOMPARE(watch.committedChanges(), 4);
        db.exec("delete from z_zhanghu where id = 1");
        QCOMPARE(watch.committedChanges(), 5);
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "test_backup.moc"

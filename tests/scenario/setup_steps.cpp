#include "setup_steps.h"

#include "actions.h"
#include "direct_sql.h"
#include "script.h"
#include "session.h"
#include "step_failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>

namespace SetupSteps {

void database(Session &session, const QStringList &args) {
    const QString &how = args.at(0);
    if (how == QLatin1String("seed") && args.size() == 1)
        session.folder().useSeededDatabase();
    else if (how == QLatin1String("none") && args.size() == 1)
        session.folder().removeDatabase();
    else if (how == QLatin1String("file") && args.size() == 2)
        session.folder().useDatabaseFile(
            QDir(session.scenarioFolder()).absoluteFilePath(args.at(1)));
    else
        fail(QStringLiteral(
                 "expected database seed, database none or database file PATH, found database %1")
                 .arg(args.join(QLatin1Char(' '))));
}

void sql(Session &session, const QStringList &args) {
    DirectSql::execute(session.folder().databasePath(), args.at(0));
    // The program sees the change when it next reads; let it react to nothing else.
    session.settle();
}

void today(Session &session, const QStringList &args) {
    const QDate date = Actions::parseDate(args.at(0));
    QTime time(0, 0);
    if (args.size() > 1) {
        static const QRegularExpression form(QStringLiteral("^\\d{2}:\\d{2}:\\d{2}$"));
        time = QTime::fromString(args.at(1), QStringLiteral("HH:mm:ss"));
        if (!form.match(args.at(1)).hasMatch() || !time.isValid())
            fail(QStringLiteral("expected a time HH:MM:SS, found %1").arg(quoteWord(args.at(1))));
    }
    session.clock().set(QDateTime(date, time));
}

void skin(Session &session, const QStringList &args) {
    if (args.at(0) != QLatin1String("none"))
        fail(QStringLiteral("expected skin none, found skin %1").arg(quoteWord(args.at(0))));
    session.folder().removeSkin();
}

void start(Session &session, const QStringList &) {
    session.start();
}

void answer(Session &session, const QStringList &args) {
    using Reply = ScriptedPrompts::Reply;
    const QString &word = args.at(0);
    if (word == QLatin1String("file") && args.size() == 2) {
        const QString &path = args.at(1);
        session.prompts().queueFile(path == QLatin1String("Cancel") ? QString()
                                                                    : session.resolvePath(path));
        return;
    }
    static const QList<std::pair<QString, Reply>> replies = {
        {QStringLiteral("OK"), Reply::OK},
        {QStringLiteral("Cancel"), Reply::Cancel},
        {QStringLiteral("Yes"), Reply::Yes},
        {QStringLiteral("No"), Reply::No},
    };
    for (const auto &[name, reply] : replies) {
        if (word == name && args.size() == 1) {
            session.prompts().queueReply(reply);
            return;
        }
    }
    fail(QStringLiteral("expected answer OK, Cancel, Yes, No or file PATH, found answer %1")
             .arg(args.join(QLatin1Char(' '))));
}

void write(Session &session, const QStringList &args) {
    const QString target = session.resolvePath(args.at(0));
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::remove(target);
    if (args.size() == 3 && args.at(1) == QLatin1String("copy-of")) {
        // "./" and "../" name a file beside the scenario (the tests' sample files).
        const QString &other = args.at(2);
        const QString source =
            other.startsWith(QLatin1String("./")) || other.startsWith(QLatin1String("../"))
                ? QDir(session.scenarioFolder()).absoluteFilePath(other)
                : session.resolvePath(other);
        if (!QFile::copy(source, target))
            fail(QStringLiteral("expected to copy %1 to %2, found it failed")
                     .arg(quoteWord(args.at(2)), quoteWord(args.at(0))));
        return;
    }
    if (args.size() != 2)
        fail(QStringLiteral("expected write PATH TEXT or write PATH copy-of OTHER"));
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(args.at(1).toUtf8()) < 0)
        fail(QStringLiteral("expected to write %1, found %2")
                 .arg(quoteWord(args.at(0)), file.errorString()));
}

void shell(Session &session, const QStringList &args) {
    if (args.at(0) != QLatin1String("fail"))
        fail(QStringLiteral("expected shell fail, found shell %1").arg(quoteWord(args.at(0))));
    session.shell().failNextStart();
}

void wait(Session &session, const QStringList &args) {
    bool ok = false;
    const double seconds = args.at(0).toDouble(&ok);
    if (!ok || seconds < 0 || seconds > 366.0 * 24 * 3600)
        fail(QStringLiteral("expected a number of seconds, found %1").arg(quoteWord(args.at(0))));
    session.wait(qint64(std::llround(seconds * 1000)));
}

void server(Session &session, const QStringList &args) {
    LocalWebServer &web = session.webServer();
    const QString &how = args.at(0);
    if (how == QLatin1String("reply") && args.size() == 2) {
        web.reply(args.at(1).toUtf8());
        return;
    }
    if (how == QLatin1String("status") && args.size() >= 2) {
        bool ok = false;
        const int code = args.at(1).toInt(&ok);
        if (!ok || code < 100 || code > 599)
            fail(QStringLiteral("expected an HTTP status, found %1").arg(quoteWord(args.at(1))));
        web.status(code, args.value(2).toUtf8());
        return;
    }
    if (how == QLatin1String("hang") && args.size() == 1) {
        web.hang();
        return;
    }
    if (how == QLatin1String("none") && args.size() == 1) {
        web.none();
        return;
    }
    fail(QStringLiteral("expected server reply TEXT, server status N [TEXT], server hang or "
                        "server none, found server %1")
             .arg(args.join(QLatin1Char(' '))));
}

} // namespace SetupSteps

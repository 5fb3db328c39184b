#include "direct_sql.h"

#include "step_failure.h"
#include "store/database.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <functional>

namespace {
const QString ConnectionName = QStringLiteral("tallybee-scenario-direct");

QString errorText(const QSqlError &error) {
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

// Opens the file (never creating one), runs work, and closes the connection again.
void withConnection(const QString &path, const std::function<void(QSqlDatabase &)> &work) {
    if (!QFileInfo(path).isFile())
        fail(QStringLiteral("expected a database file fmy.dll, found none"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ConnectionName);
        db.setDatabaseName(
            QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
            QStringLiteral("?mode=rw"));
        // The program runs on this same thread: waiting for its lock cannot help.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=200"));
        QString failure;
        if (!db.open()) {
            failure = QStringLiteral("expected to open the database, found: %1")
                          .arg(errorText(db.lastError()));
        } else {
            try {
                work(db);
            } catch (const StepFailure &f) {
                failure = f.message;
            }
            db.close();
        }
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(ConnectionName);
        if (!failure.isEmpty())
            fail(failure);
    }
}

} // namespace

namespace DirectSql {

void execute(const QString &databasePath, const QString &statements) {
    withConnection(databasePath, [&](QSqlDatabase &db) {
        for (const QString &statement : splitSqlScript(statements)) {
            QSqlQuery query(db);
            if (!query.exec(statement))
                fail(QStringLiteral("expected the statement to run, found: %1 in: %2")
                         .arg(errorText(query.lastError()), statement));
        }
    });
}

QStringList firstColumn(const QString &databasePath, const QString &queryText) {
    QStringList values;
    withConnection(databasePath, [&](QSqlDatabase &db) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(queryText))
            fail(QStringLiteral("expected the query to run, found: %1")
                     .arg(errorText(query.lastError())));
        while (query.next()) {
            const QVariant value = query.value(0);
            values << (value.isNull() ? QStringLiteral("NULL") : value.toString());
        }
    });
    return values;
}

} // namespace DirectSql

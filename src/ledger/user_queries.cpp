#include "ledger/user_queries.h"

#include "ledger/batch_table_model.h"
#include "store/books_notifier.h"
#include "store/database.h"

#include <QHash>

namespace UserQueries {

namespace {
const QString NameColumn = QStringLiteral("用户名");
} // namespace

QString userListSelect() {
    return QStringLiteral("select id,sys_name as 用户名 ,sys_pwd as 密码 from s_user");
}

void configureUserList(BatchTableModel &model) {
    using Kind = BatchTableModel::Kind;
    model.setTable(QStringLiteral("s_user"));
    model.setQuery(userListSelect());
    model.setColumnKind(QStringLiteral("id"), Kind::Integer);
    model.setColumnReadOnly(QStringLiteral("id"));
    model.setBaseColumn(NameColumn, QStringLiteral("sys_name"));
    model.setColumnKind(NameColumn, Kind::Text);
    model.setBaseColumn(QStringLiteral("密码"), QStringLiteral("sys_pwd"));
    model.setColumnKind(QStringLiteral("密码"), Kind::Text);
}

void deleteUser(Database &db, qint64 userId) {
    Transaction transaction(db);
    db.exec(QStringLiteral("delete from s_user where id=:id"), {{"id", userId}});
    db.exec(QStringLiteral("delete from s_shouru where s_userid=:id"), {{"id", userId}});
    transaction.commit();
    db.notifier().tableChanged(QStringLiteral("s_user"));
}

std::optional<NameProblem> checkNames(const BatchTableModel &model) {
    QHash<QString, int> rowsOfName;
    for (int row = 0; row < model.rowCount(); ++row)
        rowsOfName[model.value(row, NameColumn).toString().toCaseFolded()] += 1;
    // Rows as they were stored are left alone: an old pair of equal names must not stop
    // the user from saving some other change.
    for (int row = 0; row < model.rowCount(); ++row) {
        if (!model.isRowPending(row))
            continue;
        const QString name = model.value(row, NameColumn).toString();
        if (name.trimmed().isEmpty())
            return NameProblem{row, QStringLiteral("对不起，用户名不能为空！")};
        if (rowsOfName.value(name.toCaseFolded()) > 1)
            return NameProblem{row, QStringLiteral("对不起，用户名“%1”已经存在！").arg(name)};
    }
    return std::nullopt;
}

} // namespace UserQueries

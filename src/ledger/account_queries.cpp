#include "ledger/account_queries.h"

#include "ledger/account_totals.h"
#include "ledger/batch_table_model.h"
#include "store/books_notifier.h"
#include "store/database.h"

#include <QSqlQuery>

namespace AccountQueries {

QString accountNamesSelect() {
    return QStringLiteral("select id,z_name as 账户 from z_zhanghu");
}

QString accountListSelect() {
    // The income heading ends in an ideographic space; it is part of the heading.
    return QStringLiteral("select id as 编号,z_name as 账户名称,z_qcje as 起始金额,"
                          "z_shouru as \"收入\u3000\",z_zhichu as 支出,z_jieru as 借入,"
                          "z_jiechu as 借出,z_zhuanru as 转入,z_zhuanchu as 转出,z_yue as 余额,"
                          "z_other as 备注 from z_zhanghu");
}

void configureAccountList(BatchTableModel &model) {
    using Kind = BatchTableModel::Kind;
    model.setTable(QStringLiteral("z_zhanghu"));
    model.setQuery(accountListSelect());
    model.setKeyColumn(QStringLiteral("编号"));
    model.setBaseColumn(QStringLiteral("编号"), QStringLiteral("id"));
    model.setColumnKind(QStringLiteral("编号"), Kind::Integer);
    model.setBaseColumn(QStringLiteral("账户名称"), QStringLiteral("z_name"));
    model.setColumnKind(QStringLiteral("账户名称"), Kind::Text);
    model.setBaseColumn(QStringLiteral("起始金额"), QStringLiteral("z_qcje"));
    model.setColumnKind(QStringLiteral("起始金额"), Kind::Money);
    model.setBaseColumn(QStringLiteral("备注"), QStringLiteral("z_other"));
    model.setColumnKind(QStringLiteral("备注"), Kind::Text);
    // The totals belong to the recomputation; the list only shows them.
    const QString totals[] = {QStringLiteral("收入\u3000"), QStringLiteral("支出"),
                              QStringLiteral("借入"),       QStringLiteral("借出"),
                              QStringLiteral("转入"),       QStringLiteral("转出"),
                              QStringLiteral("余额")};
    for (const QString &column : totals) {
        model.setColumnKind(column, Kind::Money);
        model.setColumnReadOnly(column);
    }
}

bool recalcAndLoad(Database &db, BatchTableModel &model) {
    const bool inRange = RecalcAccountTotals(db);
    model.load();
    return inRange;
}

bool hasEntries(Database &db, qint64 accountId) {
    return db
        .scalar(QStringLiteral("select 1 from s_shouru where s_zhanghuid=:id limit 1"),
                {{"id", accountId}})
        .isValid();
}

BatchTableModel::SaveResult saveAccounts(Database &db, BatchTableModel &model) {
    // Checked in the database after the batch is written, so renames within the batch
    // and the rows of another copy of the program all count. z_name compares NOCASE.
    return model.save([&db] {
        const QVariant repeated =
            db.scalar(QStringLiteral("select z_name from z_zhanghu where z_name is not null"
                                     " group by z_name having count(*) > 1 limit 1"));
        if (repeated.isValid())
            throw DbError(
                QStringLiteral("账户名称“%1”重复，账户名称不能相同").arg(repeated.toString()));
    });
}

bool hasLoansOrTransfers(Database &db, qint64 accountId) {
    return db
        .scalar(QStringLiteral("select 1 from s_jie where z_id=:id union all "
                               "select 1 from s_zhanghistory where zh1=:id or zh2=:id limit 1"),
                {{"id", accountId}})
        .isValid();
}

void deleteAccount(Database &db, qint64 accountId) {
    Transaction transaction(db);
    db.exec(QStringLiteral("delete from z_zhanghu where id=:id"), {{"id", accountId}});
    RecalcAccountTotals(db);
    transaction.commit();
    db.notifier().tableChanged(QStringLiteral("z_zhanghu"));
}

std::vector<AccountFigures> readFigures(Database &db) {
    QSqlQuery query = db.select(QStringLiteral("select z_name as 账户名称,z_yue as 余额,z_shouru "
                                               "as 收入,z_zhichu as 支出 from z_zhanghu"));
    std::vector<AccountFigures> figures;
    while (query.next())
        figures.push_back({query.value(0).toString(), Money::fromColumn(query.value(1)),
                           Money::fromColumn(query.value(2)), Money::fromColumn(query.value(3))});
    return figures;
}

PieShares pieShares(const std::vector<AccountFigures> &accounts, Figure figure) {
    PieShares shares;
    for (const AccountFigures &account : accounts) {
        const std::optional<Money> &value = figure == Figure::Balance  ? account.balance
                                            : figure == Figure::Income ? account.income
                                                                       : account.expense;
        if (value && *value > Money())
            shares.slices.emplace_back(account.name, *value);
        else
            ++shares.leftOut;
    }
    return shares;
}

} // namespace AccountQueries

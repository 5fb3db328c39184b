#include "ledger/transfer_queries.h"

#include "ledger/batch_table_model.h"
#include "store/database.h"

namespace TransferQueries {

QString transfersSelect() {
    // The date first: the two account ids are shown as names right after it.
    return QStringLiteral("select id,zdate as 转账时间,zh1,zh2,zXmoney as 转账金额,other as 备注 "
                          "from s_zhanghistory where zdate between :t1 and :t2");
}

void configureTransfers(BatchTableModel &model) {
    using Kind = BatchTableModel::Kind;
    model.setTable(QStringLiteral("s_zhanghistory"));
    model.setQuery(transfersSelect());
    model.setColumnKind(QStringLiteral("id"), Kind::Integer);
    model.setColumnKind(QStringLiteral("zh1"), Kind::Integer);
    model.setColumnKind(QStringLiteral("zh2"), Kind::Integer);
    model.setBaseColumn(QStringLiteral("转账时间"), QStringLiteral("zdate"));
    model.setColumnKind(QStringLiteral("转账时间"), Kind::Date);
    model.setBaseColumn(QStringLiteral("转账金额"), QStringLiteral("zXmoney"));
    model.setColumnKind(QStringLiteral("转账金额"), Kind::Money);
    model.setBaseColumn(QStringLiteral("备注"), QStringLiteral("other"));
    model.setColumnKind(QStringLiteral("备注"), Kind::Text);
}

void loadPeriod(BatchTableModel &model, const QDate &from, const QDate &to) {
    model.setParams({{"t1", from}, {"t2", to}});
    model.load();
}

std::optional<TransferRefusal> checkPendingTransfers(const BatchTableModel &model) {
    for (int row = 0; row < model.rowCount(); ++row) {
        if (!model.isRowPending(row))
            continue;
        if (model.value(row, QStringLiteral("转账时间")).isNull())
            return TransferRefusal{row, QStringLiteral("对不起，请选择时间")};
        if (model.value(row, QStringLiteral("zh1")).isNull() ||
            model.value(row, QStringLiteral("zh2")).isNull())
            return TransferRefusal{row, QStringLiteral("对不起，请选择转出账户和转入账户")};
    }
    return std::nullopt;
}

void deleteTransfer(Database &db, qint64 id) {
    Transaction transaction(db);
    db.exec(QStringLiteral("delete from s_zhanghistory where id=:id"), {{"id", id}});
    db.exec(QStringLiteral("update z_zhanghu set z_zhuanru=0"));
    db.exec(QStringLiteral("update z_zhanghu set z_zhuanchu=0"));
    transaction.commit();
}

} // namespace TransferQueries

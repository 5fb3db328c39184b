#include "ledger/loan_queries.h"

#include "store/database.h"
#include "store/money.h"

namespace LoanQueries {

QString loansSelect(bool onlyOutstanding) {
    const QString columns =
        QStringLiteral("select id,j_class,j_date as 日期,z_id,j_chuMoney as 借出金额,"
                       "j_ruMoney as 已还金额,j_shoudate as 预计回收期,j_jiege as 借给,"
                       "j_jiekuanren as 借款人,j_other as 备注 from s_jie ");
    return columns + (onlyOutstanding ? QStringLiteral("where j_yuMoney<>0 and j_class=:j_ZorS")
                                      : QStringLiteral("where j_class=:j_ZorS"));
}

void configureLoans(BatchTableModel &model) {
    using Kind = BatchTableModel::Kind;
    model.setTable(QStringLiteral("s_jie"));
    model.setColumnKind(QStringLiteral("id"), Kind::Integer);
    model.setColumnKind(QStringLiteral("j_class"), Kind::Text);
    model.setColumnKind(QStringLiteral("z_id"), Kind::Integer);
    const struct {
        const char *heading, *column;
        Kind kind;
    } columns[] = {
        {"日期", "j_date", Kind::Date},         {"借出金额", "j_chuMoney", Kind::Money},
        {"已还金额", "j_ruMoney", Kind::Money}, {"预计回收期", "j_shoudate", Kind::Date},
        {"借给", "j_jiege", Kind::Text},        {"借款人", "j_jiekuanren", Kind::Text},
        {"备注", "j_other", Kind::Text},
    };
    for (const auto &c : columns) {
        model.setBaseColumn(QString::fromUtf8(c.heading), QString::fromUtf8(c.column));
        model.setColumnKind(QString::fromUtf8(c.heading), c.kind);
    }
    // Shown right after the repaid amount, worked out from the row as it is on screen.
    model.addComputedColumn(
        QStringLiteral("余额"),
        [](const BatchTableModel &m, int row) {
            return outstanding(m.value(row, QStringLiteral("借出金额")),
                               m.value(row, QStringLiteral("已还金额")));
        },
        6);
}

void loadClass(BatchTableModel &model, const QString &loanClass, bool onlyOutstanding) {
    model.setQuery(loansSelect(onlyOutstanding), {{"j_ZorS", loanClass}});
    model.load();
}

QVariant outstanding(const QVariant &principal, const QVariant &repaid) {
    const Money lent = Money::fromColumn(principal).value_or(Money());
    const Money back = Money::fromColumn(repaid).value_or(Money());
    const std::optional<Money> rest = Money::difference(lent, back);
    return rest ? QVariant(qlonglong(rest->raw())) : QVariant();
}

void deleteLoan(Database &db, qint64 id) {
    Transaction transaction(db);
    db.exec(QStringLiteral("delete from s_jie where id=:id"), {{"id", id}});
    db.exec(QStringLiteral("update z_zhanghu set z_jiechu=0"));
    db.exec(QStringLiteral("update z_zhanghu set z_jieru=0"));
    transaction.commit();
}

BatchTableModel::SaveResult saveLoans(Database &db, BatchTableModel &model,
                                      const QString &loanClass) {
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.isRowPending(row) &&
            !outstanding(model.value(row, model.column(QStringLiteral("借出金额"))),
                         model.value(row, model.column(QStringLiteral("已还金额"))))
                 .isValid())
            return {false, row, Money::errorText(Money::ParseError::OutOfRange)};
    }
    // A loan typed in by keyboard alone never had a cell click to give it its class.
    // Stored without one, it would show under neither class and count in no total.
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.isNew(row) && model.isRowPending(row) &&
            model.value(row, QStringLiteral("j_class")).toString().isEmpty())
            model.setValue(row, QStringLiteral("j_class"), loanClass);
    }
    // The batch and the refresh of every outstanding amount commit together. An empty
    // amount counts as 0 here as it does on screen: a loan with nothing repaid yet is
    // owed in full, not left out of every total.
    return model.save([&db] {
        db.exec(QStringLiteral(
            "update s_jie set j_yuMoney=coalesce(j_chuMoney,0)-coalesce(j_ruMoney,0)"));
    });
}

} // namespace LoanQueries

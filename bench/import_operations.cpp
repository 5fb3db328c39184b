#include "bench_operation.h"
#include "bills/bill_detect.h"
#include "bills/csv_writer.h"
#include "ledger/entry_export.h"
#include "ledger/import_plan.h"
#include "store/database.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <iconv.h>
#include <memory>
#include <random>

namespace {

constexpr int BillRows = 20000;

// Alipay writes its bill in GBK.
QByteArray toGbk(const QString &text) {
    const QByteArray utf8 = text.toUtf8();
    iconv_t cd = iconv_open("GB18030", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return utf8;
    QByteArray out(utf8.size() * 2 + 16, Qt::Uninitialized);
    char *in = const_cast<char *>(utf8.constData());
    size_t inLeft = size_t(utf8.size());
    char *to = out.data();
    size_t outLeft = size_t(out.size());
    iconv(cd, &in, &inLeft, &to, &outLeft);
    iconv_close(cd);
    out.truncate(out.size() - qsizetype(outLeft));
    return out;
}

// A year of a busy household's Alipay bill: header block, padded values, a tab after
// the order numbers, a few hundred counterparts, neutral and closed trades among them.
QString writeAlipayBill(const QString &folder) {
    std::mt19937_64 random(7);
    auto between = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const char *classes[] = {"餐饮美食", "日用百货", "交通出行", "充值缴费", "服饰装扮",
                             "数码电器", "医疗健康", "文化休闲", "生活服务", "其他"};
    QString text =
        QStringLiteral("------------------------------------------------------------\r\n"
                       "导出信息：\r\n姓名：测试\r\n共%1笔记录\r\n"
                       "------------------------支付宝账单明细------------------------\r\n"
                       "交易时间,交易分类,交易对方,对方账号,商品说明,收/支,金额,"
                       "收/付款方式,交易状态,交易订单号,商家订单号,备注,\r\n")
            .arg(BillRows);
    const QDateTime start(QDate(2026, 1, 1), QTime(7, 0));
    for (int i = 0; i < BillRows; ++i) {
        const QDateTime time = start.addSecs(qint64(i) * 365 * 24 * 3600 / BillRows);
        const int roll = between(0, 99);
        const char *kind = roll < 80 ? "支出" : roll < 95 ? "收入" : "不计收支";
        const char *status = between(0, 49) == 0 ? "交易关闭" : "交易成功";
        text += QStringLiteral("%1,%2,商户%3    ,m%3***@example.com,商品%4    ,%5,%6.%7,花呗,%8,"
                               "2026%9\t,M%9\t,,\r\n")
                    .arg(time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                         QString::fromUtf8(classes[between(0, 9)]))
                    .arg(between(1, 400))
                    .arg(between(1, 50))
                    .arg(QString::fromUtf8(kind))
                    .arg(between(1, 500))
                    .arg(between(0, 99), 2, 10, QLatin1Char('0'))
                    .arg(QString::fromUtf8(status))
                    .arg(i, 20, 10, QLatin1Char('0'));
    }
    text += QStringLiteral("------------------------------------------------------------\r\n");
    const QString path = QDir(folder).filePath(QStringLiteral("alipay_bench.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toGbk(text)) < 0)
        throw DbError(QStringLiteral("cannot write %1").arg(path));
    return path;
}

} // namespace

// The import preview (file read, rows checked against the books, categories proposed)
// and the import itself, on a 20,000-row bill; and saving every entry as CSV.
std::vector<BenchOperation> importOperations(Database &db, const QString &folder) {
    const QString bill = writeAlipayBill(folder);
    auto plan = std::make_shared<ImportPlan>(ImportPlan::build(db, readBillFile(bill).rows));
    auto run = std::make_shared<int>(0);
    const QString exported = QDir(folder).filePath(QStringLiteral("entries.csv"));
    return {
        {QStringLiteral("import: 20,000-row bill to preview"),
         [&db, bill] { ImportPlan::build(db, readBillFile(bill).rows); }},
        // Each run imports the bill under new numbers, as the next year's bill would be.
        {QStringLiteral("import: write 20,000 rows + totals"),
         [&db, plan, run] {
             QList<ImportBooks::NewEntry> entries = plan->entries();
             const QString suffix = QStringLiteral("-%1").arg(++*run);
             for (ImportBooks::NewEntry &e : entries)
                 e.key += suffix;
             ImportBooks::write(db, entries, 3, 1);
         }},
        {QStringLiteral("export: every entry to CSV"),
         [&db, exported] {
             QFile file(exported);
             if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                 throw DbError(file.errorString());
             CsvWriter writer(&file);
             exportEntries(db, writer);
         }},
    };
}

#include "bills/alipay_bill.h"
#include "bills/bill_detect.h"
#include "bills/bill_fields.h"
#include "bills/generic_csv.h"
#include "bills/wechat_bill.h"

#include <QFile>
#include <QTest>

namespace {

QByteArray sample(const char *name) {
    QFile file(QStringLiteral(TALLYBEE_BILL_DATA "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing sample %s", name);
    return file.readAll();
}

// Each row as "line state", state one of ok/skip/refuse, for comparing a whole file.
QStringList states(const BillReadResult &result) {
    static const char *names[] = {"ok", "skip", "refuse"};
    QStringList out;
    for (const BillRow &row : result.rows)
        out.append(QStringLiteral("%1 %2").arg(row.line).arg(names[int(row.state)]));
    return out;
}

const BillRow &rowAt(const BillReadResult &result, int line) {
    for (const BillRow &row : result.rows) {
        if (row.line == line)
            return row;
    }
    qFatal("no row at line %d", line);
}

Money yuan(const char *text) {
    return *Money::parse(QString::fromLatin1(text));
}

} // namespace

class TestBillReaders : public QObject {
    Q_OBJECT
private slots:
    void amountsBeyondOneHundredBillionAreRefused() {
        QString why;
        QCOMPARE(BillFields::amount(QStringLiteral("¥100,000,000,000.00"), &why),
                 std::optional<Money>(Money::fromYuan(100000000000)));
        QVERIFY(!BillFields::amount(QStringLiteral("100000000000.01"), &why));
        QVERIFY2(why.contains(QStringLiteral("一千亿")), qPrintable(why));
    }

    void alipay() {
        const BillReadResult result = readAlipayBill(sample("alipay_bill.csv"));
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(states(result),
                 QStringList({"18 ok", "19 ok", "20 skip", "21 skip", "22 skip", "23 skip", "24 ok",
                              "25 ok", "26 skip", "27 refuse", "28 ok"}));

        // Padding and the tab after order numbers are gone.
        const BillRow &noodles = rowAt(result, 18);
        QCOMPARE(noodles.source, BillSource::Alipay);
        QCOMPARE(noodles.time, QDateTime(QDate(2024, 3, 2), QTime(12, 5, 31)));
        QCOMPARE(noodles.kind, BillKind::Expense);
        QCOMPARE(noodles.amount, yuan("18.5"));
        QCOMPARE(noodles.counterpart, QStringLiteral("巷口面馆"));
        QCOMPARE(noodles.item, QStringLiteral("牛肉面 大碗"));
        QCOMPARE(noodles.classification, QStringLiteral("餐饮美食"));
        QCOMPARE(noodles.paymentMethod, QStringLiteral("花呗"));
        QCOMPARE(noodles.transactionNumber, QStringLiteral("2024030222001100000000000001"));
        QCOMPARE(noodles.merchantOrderNumber, QStringLiteral("M20240302000001"));

        QCOMPARE(rowAt(result, 20).reason, QStringLiteral("不计收支"));
        QCOMPARE(rowAt(result, 22).reason, QStringLiteral("交易未成功（交易关闭）"));
        // The refund of the closed trade goes with it; a partial refund stays an income.
        QCOMPARE(rowAt(result, 23).reason, QStringLiteral("原交易已关闭或已全额退款（第22行）"));
        QCOMPARE(rowAt(result, 25).kind, BillKind::Income);
        QCOMPARE(rowAt(result, 25).amount, yuan("30"));
        QCOMPARE(rowAt(result, 25).remark, QStringLiteral("价保"));
        QCOMPARE(rowAt(result, 27).reason, QStringLiteral("金额无法识别：3..00"));

        // Forced to the wrong encoding, the heading is not found: the caller's choice wins.
        QVERIFY(!readAlipayBill(sample("alipay_bill.csv"), TextEncoding::Utf8).ok());
    }

    void weChatCsv() {
        const BillReadResult result = readWeChatCsv(sample("wechat_bill.csv"));
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(states(result), QStringList({"16 ok", "17 ok", "18 skip", "19 skip", "20 skip",
                                              "21 skip", "22 skip", "23 ok", "24 ok", "25 ok"}));

        const BillRow &breakfast = rowAt(result, 16);
        QCOMPARE(breakfast.source, BillSource::WeChat);
        QCOMPARE(breakfast.amount, yuan("7.5"));
        QCOMPARE(breakfast.item, QStringLiteral("豆浆油条"));
        QCOMPARE(breakfast.remark, QString()); // "/" is empty
        QCOMPARE(breakfast.transactionNumber, QStringLiteral("4200000001202403010000000001"));
        QCOMPARE(rowAt(result, 17).kind, BillKind::Income);
        QCOMPARE(rowAt(result, 17).paymentMethod, QString());

        QCOMPARE(rowAt(result, 18).reason, QStringLiteral("不计收支"));
        QCOMPARE(rowAt(result, 19).reason, QStringLiteral("已全额退款（对方已退还）"));
        // Paired by counterpart and amount (no merchant number), and by merchant number.
        QVERIFY(rowAt(result, 20).reason.contains(QStringLiteral("第19行")));
        QVERIFY(rowAt(result, 22).reason.contains(QStringLiteral("第21行")));
        QCOMPARE(rowAt(result, 21).item, QStringLiteral("笔记本, A5 \"方格\""));
        // Partly refunded: the purchase and the refund both count.
        QCOMPARE(rowAt(result, 23).amount, yuan("45"));
        QCOMPARE(rowAt(result, 24).amount, yuan("15"));
        QCOMPARE(rowAt(result, 25).remark, QStringLiteral("周一\n加班"));
    }

    void weChatXlsx() {
        const BillReadResult result = readWeChatXlsx(sample("wechat_bill.xlsx"));
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(states(result), QStringList({"6 ok", "7 ok", "8 skip", "9 refuse"}));

        const BillRow &bread = rowAt(result, 6);
        QCOMPARE(bread.time, QDateTime(QDate(2024, 3, 9), QTime(14, 30))); // a day number
        QCOMPARE(bread.counterpart, QStringLiteral("面包房")); // runs joined, phonetics left out
        QCOMPARE(bread.amount, yuan("18"));
        QCOMPARE(bread.transactionNumber, QStringLiteral("4200000001202403090000000011"));
        QCOMPARE(bread.merchantOrderNumber, QStringLiteral("SHOP-0011"));

        const BillRow &gift = rowAt(result, 7);
        QCOMPARE(gift.time, QDateTime(QDate(2024, 3, 10), QTime(8, 0)));
        QCOMPARE(gift.amount, yuan("25.5")); // a number cell
        QCOMPARE(gift.item, QString());      // the cell left out
        QCOMPARE(gift.kind, BillKind::Income);
        QCOMPARE(rowAt(result, 9).reason, QStringLiteral("交易时间无法识别：2024-02-30 09:00:00"));

        // A cut-off workbook is an error, not a crash.
        QVERIFY(!readWeChatXlsx(sample("wechat_bill.xlsx").left(300)).ok());
    }

    void bankTwoColumns() {
        const QList<CsvRecord> records = loadCsv(sample("bank_utf8.csv"));
        const CsvMapping mapping = guessCsvMapping(records);
        QCOMPARE(mapping.headingRecord, 3);
        QCOMPARE(mapping.amountMode, CsvMapping::AmountMode::TwoColumns);
        QCOMPARE(mapping.dateColumn, 0);
        QCOMPARE(mapping.incomeColumn, 2);
        QCOMPARE(mapping.expenseColumn, 3);
        QCOMPARE(mapping.counterpartColumn, 5);
        QCOMPARE(mapping.noteColumn, 1);

        const BillReadResult result = readGenericCsv(records, mapping);
        QCOMPARE(states(result),
                 QStringList({"5 ok", "6 ok", "7 ok", "8 ok", "9 refuse", "10 refuse"}));
        QCOMPARE(rowAt(result, 5).amount, yuan("8500"));
        QCOMPARE(rowAt(result, 5).kind, BillKind::Income);
        QCOMPARE(rowAt(result, 6).time, QDateTime(QDate(2024, 3, 5), QTime(0, 0)));
        QCOMPARE(rowAt(result, 6).kind, BillKind::Expense);
        QCOMPARE(rowAt(result, 6).amount, yuan("1299"));
        QCOMPARE(rowAt(result, 7).counterpart, QStringLiteral("张三, 李四"));
        QCOMPARE(rowAt(result, 8).remark, QStringLiteral("结息"));
        QCOMPARE(rowAt(result, 9).reason, QStringLiteral("日期无法识别：2024-02-30"));
        QCOMPARE(rowAt(result, 10).reason, QStringLiteral("收入和支出都有金额"));
    }

    void bankSignedGbk() {
        const QList<CsvRecord> records = loadCsv(sample("bank_gbk.csv"));
        const CsvMapping mapping = guessCsvMapping(records);
        QCOMPARE(mapping.amountMode, CsvMapping::AmountMode::Signed);
        const BillReadResult result = readGenericCsv(records, mapping);
        QCOMPARE(states(result), QStringList({"3 ok", "4 ok", "5 ok", "6 refuse"}));
        QCOMPARE(rowAt(result, 3).kind, BillKind::Expense);
        QCOMPARE(rowAt(result, 3).amount, yuan("58"));
        QCOMPARE(rowAt(result, 3).counterpart, QStringLiteral("某某加油站"));
        QCOMPARE(rowAt(result, 4).kind, BillKind::Income);
        QCOMPARE(rowAt(result, 4).time, QDateTime(QDate(2024, 3, 10), QTime(0, 0)));
        QCOMPARE(rowAt(result, 4).remark, QStringLiteral("转账存入"));
        QCOMPARE(rowAt(result, 5).amount, yuan("12.5"));
        QCOMPARE(rowAt(result, 6).reason, QStringLiteral("金额无法识别：abc"));
    }

    void detection() {
        QCOMPARE(detectBillFile(sample("alipay_bill.csv")), BillFileKind::Alipay);
        QCOMPARE(detectBillFile(sample("wechat_bill.csv")), BillFileKind::WeChatCsv);
        QCOMPARE(detectBillFile(sample("wechat_bill.xlsx")), BillFileKind::WeChatXlsx);
        QCOMPARE(detectBillFile(sample("bank_utf8.csv")), BillFileKind::GenericCsv);
        QCOMPARE(detectBillFile(sample("bank_gbk.csv")), BillFileKind::GenericCsv);
        QCOMPARE(detectBillFile("名称,数量\n苹果,3\n"), BillFileKind::Unknown);
        QCOMPARE(detectBillFile(sample("wechat_bill.xlsx").left(300)), BillFileKind::Unknown);

        // One call from a path: detected and read.
        const BillReadResult result =
            readBillFile(QStringLiteral(TALLYBEE_BILL_DATA "/wechat_bill.xlsx"));
        QCOMPARE(result.count(BillRowState::Ok), 2);
        QVERIFY(!readBillFile(QStringLiteral(TALLYBEE_BILL_DATA "/missing.csv")).ok());
    }
};

QTEST_APPLESS_MAIN(TestBillReaders)
#include "test_bill_readers.moc"

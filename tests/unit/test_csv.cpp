#include "bills/csv_tokenizer.h"
#include "bills/csv_writer.h"
#include "bills/generic_csv.h"
#include "bills/text_encoding.h"

#include <QBuffer>
#include <QTest>

namespace {

// Records as "line:field|field" for compact comparison.
QStringList shape(const QList<CsvRecord> &records) {
    QStringList out;
    for (const CsvRecord &record : records)
        out.append(QString::number(record.line) + u':' + record.fields.join(u'|'));
    return out;
}

} // namespace

class TestCsv : public QObject {
    Q_OBJECT
private slots:
    void tokenizer_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("plain, LF") << "a,b\nc,d\n" << QStringList{"1:a|b", "2:c|d"};
        QTest::newRow("CRLF, lone CR, no final line end")
            << "a\r\nb\rc" << QStringList{"1:a", "2:b", "3:c"};
        QTest::newRow("empty lines give no record, still counted") << "a\n\n\r\nb\n"
                                                                   << QStringList{"1:a", "4:b"};
        QTest::newRow("empty and trailing fields") << ",a,,\n" << QStringList{"1:|a||"};
        QTest::newRow("quoted comma and doubled quote") << "\"x, y\",\"say \"\"hi\"\"\",\"\"\n"
                                                        << QStringList{"1:x, y|say \"hi\"|"};
        QTest::newRow("line breaks inside quotes count lines")
            << "\"one\r\ntwo\nthree\",z\nnext\n"
            << QStringList{"1:one\ntwo\nthree|z", "4:next"};
        QTest::newRow("quote inside an unquoted field is literal") << "5\" disk,ok\n"
                                                                   << QStringList{"1:5\" disk|ok"};
        QTest::newRow("unclosed quote keeps the rest") << "a,\"b\nc" << QStringList{"1:a|b\nc"};
    }
    void tokenizer() {
        QFETCH(QString, text);
        QFETCH(QStringList, records);
        QCOMPARE(shape(parseCsv(text)), records);
    }

    void encodings() {
        const QString text = QStringLiteral("交易时间,金额\n支付宝,¥12.50");
        const QByteArray gbk = QByteArray("\xbd\xbb\xd2\xd7\xca\xb1\xbc\xe4,\xbd\xf0\xb6\xee\n"
                                          "\xd6\xa7\xb8\xb6\xb1\xa6,\xa3\xa4"
                                          "12.50");
        const QString gbkText = QStringLiteral("交易时间,金额\n支付宝,￥12.50");
        const QByteArray utf8 = text.toUtf8();

        DecodedText decoded = decodeText(gbk);
        QCOMPARE(decoded.encoding, TextEncoding::Gbk);
        QCOMPARE(decoded.text, gbkText);
        decoded = decodeText(utf8);
        QCOMPARE(decoded.encoding, TextEncoding::Utf8);
        QCOMPARE(decoded.text, text);
        decoded = decodeText("\xEF\xBB\xBF" + utf8);
        QCOMPARE(decoded.text, text); // the byte order mark is gone
        // Forced: GBK bytes read as UTF-8 do not come out as the text.
        decoded = decodeText(gbk, TextEncoding::Utf8);
        QCOMPARE(decoded.encoding, TextEncoding::Utf8);
        QVERIFY(decoded.text != gbkText);

        // Qt's codec and iconv agree, a stray byte included.
        const QByteArray damaged = gbk + "\xff" + "ok";
        QCOMPARE(decodeGbkWithIconv(gbk), gbkText);
        QCOMPARE(decodeGbkWithIconv(damaged), decodeGbk(damaged));
        QVERIFY(decodeGbk(damaged).endsWith(QStringLiteral("\uFFFDok")));
    }

    void writer() {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        CsvWriter writer(&buffer);
        writer.writeRow({"日期", "金额"});
        writer.writeRow({"a,b", "say \"hi\"", "two\nlines", "plain", ""});
        QVERIFY(writer.ok());
        QCOMPARE(buffer.data(), QByteArray("\xEF\xBB\xBF"
                                           "\xE6\x97\xA5\xE6\x9C\x9F,\xE9\x87\x91\xE9\xA2\x9D\r\n"
                                           "\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",plain,\r\n"));
        QCOMPARE(CsvWriter::amount(Money::fromRaw(-12345000)), QStringLiteral("-1234.5"));
        QCOMPARE(CsvWriter::date(QDate(2024, 3, 5)), QStringLiteral("2024-03-05"));
    }

    // What the export writes, the generic reader reads back the same.
    void roundTrip() {
        struct Row {
            QDate day;
            BillKind kind;
            Money amount;
            QString counterpart, note;
        };
        const QList<Row> rows{
            {{2024, 1, 31},
             BillKind::Expense,
             Money::fromRaw(1234567891),
             "超市, 东门",
             "买\"好\"米"},
            {{2024, 2, 29}, BillKind::Income, Money::fromRaw(1), "", "两行\n备注"},
            {{2024, 3, 1}, BillKind::Expense, Money::fromYuan(8000000), "=1+1", ""},
        };
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        CsvWriter writer(&buffer);
        writer.writeRow({"日期", "收/支", "金额", "交易对方", "备注"});
        for (const Row &row : rows)
            writer.writeRow({CsvWriter::date(row.day), billKindText(row.kind),
                             CsvWriter::amount(row.amount), row.counterpart, row.note});

        const QList<CsvRecord> records = loadCsv(buffer.data());
        const CsvMapping mapping = guessCsvMapping(records);
        QCOMPARE(mapping.amountMode, CsvMapping::AmountMode::WithKind);
        const BillReadResult result = readGenericCsv(records, mapping);
        QVERIFY(result.ok());
        QCOMPARE(result.rows.size(), rows.size());
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const BillRow &read = result.rows[i];
            QVERIFY(read.isOk());
            QCOMPARE(read.time, QDateTime(rows[i].day, QTime(0, 0)));
            QCOMPARE(read.kind, rows[i].kind);
            QCOMPARE(read.amount, rows[i].amount);
            QCOMPARE(read.counterpart, rows[i].counterpart);
            QCOMPARE(read.remark, rows[i].note);
        }
    }
};

QTEST_APPLESS_MAIN(TestCsv)
#include "test_csv.moc"

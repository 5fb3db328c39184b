#include "ledger/quick_code.h"

#include <QTest>

namespace {
void row(const char *tag, const char *name, const char *code) {
    QTest::newRow(tag) << QString::fromUtf8(name) << QString::fromUtf8(code);
}
} // namespace

class TestQuickCode : public QObject {
    Q_OBJECT
private slots:
    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        row("three characters", "餐饮费", "cyf");
        row("x range", "学费", "xf");
        row("digit gives nothing", "3月房租", "yfz");
        row("blanks trimmed", "  水电费 ", "sdf");
        row("blank inside gives nothing", "水 电", "sd");
        row("pure ascii", "Taxi 2024", "");
        row("empty", "", "");
        row("level-2 character", "亍", "");
        row("gbk extension", "丂", "");
        row("full-width comma", "房租，水费", "fzsf");
        row("not in gbk", "租😀房", "zf");
        row("mixed latin", "KTV唱歌", "cg");
        // 30 characters, 60 bytes: the whole name counts.
        QTest::newRow("long name") << QStringLiteral("一二三四五六七八九十").repeated(3)
                                   << QStringLiteral("yesswlqbjs").repeated(3);

        // The first and last code of every initial, both inclusive, and the codes just
        // outside the table: B0A0 below a, D840 the next character above z.
        row("a B0A1..B0C4", "啊澳", "aa");
        row("b B0C5..B2C0", "芭怖", "bb");
        row("c B2C1..B4ED", "擦错", "cc");
        row("d B4EE..B6E9", "搭堕", "dd");
        row("e B6EA..B7A1", "蛾贰", "ee");
        row("f B7A2..B8C0", "发咐", "ff");
        row("g B8C1..B9FD", "噶过", "gg");
        row("h B9FE..BBF6", "哈祸", "hh");
        row("j BBF7..BFA5", "击骏", "jj");
        row("k BFA6..C0AB", "喀阔", "kk");
        row("l C0AC..C2E7", "垃络", "ll");
        row("m C2E8..C4C2", "妈穆", "mm");
        row("n C4C3..C5B5", "拿诺", "nn");
        row("o C5B6..C5BD", "哦沤", "oo");
        row("p C5BE..C6D9", "啪瀑", "pp");
        row("q C6DA..C8BA", "期群", "qq");
        row("r C8BB..C8F5", "然弱", "rr");
        row("s C8F6..CBF9", "撒所", "ss");
        row("t CBFA..CDD9", "塌唾", "tt");
        row("w CDDA..CEF3", "挖误", "ww");
        row("x CEF4..D1B8", "昔迅", "xx");
        row("y D1B9..D4D0", "压孕", "yy");
        row("z D4D1..D7F9", "匝座", "zz");
        row("just below a", "盃", "");
        row("just above z", "谸", "");
    }
    void names() {
        QFETCH(QString, name);
        QFETCH(QString, code);
        QCOMPARE(quickCodeFor(name), code);
    }
};

QTEST_APPLESS_MAIN(TestQuickCode)
#include "test_quick_code.moc"

#include "plain_decimal.h"
#include "script.h"
#include "selector_syntax.h"

#include <QTest>

using Kind = SelectorPart::Kind;

class TestScenarioScript : public QObject {
    Q_OBJECT
private slots:
    void splitsWords_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("plain words") << "click Button3" << QStringList{"click", "Button3"};
        QTest::newRow("blanks and tabs between")
            << "  click \t Button3  " << QStringList{"click", "Button3"};
        QTest::newRow("quoted blank") << QString::fromUtf8("click \"支 出\"")
                                      << QStringList{"click", QString::fromUtf8("支 出")};
        QTest::newRow("double blank kept")
            << QString::fromUtf8("click \"系  统 设 置\"")
            << QStringList{"click", QString::fromUtf8("系  统 设 置")};
        QTest::newRow("empty word") << "type Edit1 \"\"" << QStringList{"type", "Edit1", ""};
        QTest::newRow("two empty words") << "\"\" \"\"" << QStringList{"", ""};
        QTest::newRow("escaped quote") << "expect text L \"say \\\"hi\\\"\""
                                       << QStringList{"expect", "text", "L", "say \"hi\""};
        QTest::newRow("escaped backslash") << "\"c:\\\\dir\"" << QStringList{"c:\\dir"};
        QTest::newRow("backslash before quote after escaped backslash")
            << "\"a\\\\\" b" << QStringList{"a\\", "b"};
        QTest::newRow("other escapes stay") << "\"a\\nb\"" << QStringList{"a\\nb"};
        QTest::newRow("backslash outside quotes is literal") << "a\\b" << QStringList{"a\\b"};
        QTest::newRow("quotes join with the word around them")
            << QString::fromUtf8("grid:\"金 额\"x")
            << QStringList{QString::fromUtf8("grid:金 额x")};
        QTest::newRow("comment line") << "# a note" << QStringList{};
        QTest::newRow("indented comment") << "   # a note" << QStringList{};
        QTest::newRow("comment after a step") << "start # go" << QStringList{"start"};
        QTest::newRow("hash inside a word")
            << "expect points chart#2 3" << QStringList{"expect", "points", "chart#2", "3"};
        QTest::newRow("hash inside quotes")
            << "type E \"#1 # 2\"" << QStringList{"type", "E", "#1 # 2"};
        QTest::newRow("blank line") << "   " << QStringList{};
    }
    void splitsWords() {
        QFETCH(QString, line);
        QFETCH(QStringList, words);
        QStringList got;
        QString error;
        QVERIFY2(splitWords(line, &got, &error), qPrintable(error));
        QCOMPARE(got, words);
    }

    void refusesAnOpenQuote_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("never closed") << "click \"支 出";
        QTest::newRow("closing quote escaped") << "type E \"abc\\\"";
    }
    void refusesAnOpenQuote() {
        QFETCH(QString, line);
        QStringList words;
        QString error;
        QVERIFY(!splitWords(line, &words, &error));
        QVERIFY(!error.isEmpty());
    }

    void keepsLineNumbers() {
        const QString text = QString::fromUtf8(
            "\xEF\xBB\xBF# setup\r\ndatabase seed\r\n\r\nstart\n  # login\nlogin 管理员 \"\"");
        QList<ScriptStep> steps;
        ScriptError error;
        QVERIFY(parseScript(text, &steps, &error));
        QCOMPARE(steps.size(), 3);
        QCOMPARE(steps.at(0).line, 2);
        QCOMPARE(steps.at(0).words, (QStringList{"database", "seed"}));
        QCOMPARE(steps.at(1).line, 4);
        QCOMPARE(steps.at(2).line, 6);
        QCOMPARE(steps.at(2).words, (QStringList{"login", QString::fromUtf8("管理员"), ""}));
    }

    void reportsTheLineOfABadQuote() {
        QList<ScriptStep> steps;
        ScriptError error;
        QVERIFY(!parseScript("start\nclick \"a\n", &steps, &error));
        QCOMPARE(error.line, 2);
    }

    void quotesWordsOnlyWhenNeeded() {
        QCOMPARE(quoteWord("Button3"), QString("Button3"));
        QCOMPARE(quoteWord(""), QString("\"\""));
        QCOMPARE(quoteWord(QString::fromUtf8("支 出")), QString::fromUtf8("\"支 出\""));
        QCOMPARE(quoteWord("#1"), QString("\"#1\""));
        // What quoteWord writes, splitWords reads back unchanged.
        for (const QString &word : {QString("a\"b\\c d"), QString("x\\"), QString("\\\"")}) {
            QStringList back;
            QString error;
            QVERIFY(splitWords(quoteWord(word), &back, &error));
            QCOMPARE(back, QStringList{word});
        }
    }

    void parsesSelectors_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<SelectorPart>>("parts");
        QTest::addColumn<int>("series");
        auto name = [](const QString &n, int index = 0) {
            return SelectorPart{Kind::Name, n, {}, index};
        };
        auto kind = [](Kind k, int index = 0) { return SelectorPart{k, {}, {}, index}; };
        QTest::newRow("object name") << "Button3" << QList{name("Button3")} << 1;
        QTest::newRow("caption with blank")
            << QString::fromUtf8("支 出") << QList{name(QString::fromUtf8("支 出"))} << 1;
        QTest::newRow("inside") << "A>B" << QList{name("A"), name("B")} << 1;
        QTest::newRow("n-th match") << "B@2" << QList{name("B", 2)} << 1;
        QTest::newRow("kind word n-th") << "combo@1" << QList{kind(Kind::Combo, 1)} << 1;
        QTest::newRow("kind inside a group")
            << "GroupBox7>button@3" << QList{name("GroupBox7"), kind(Kind::Button, 3)} << 1;
        QTest::newRow("three levels")
            << "A@2>B>label" << QList{name("A", 2), name("B"), kind(Kind::Label)} << 1;
        QTest::newRow("grid by heading")
            << QString::fromUtf8("grid:金额")
            << QList{SelectorPart{Kind::Grid, {}, QString::fromUtf8("金额"), 0}} << 1;
        QTest::newRow("grid by heading, n-th")
            << QString::fromUtf8("grid:金额@2")
            << QList{SelectorPart{Kind::Grid, {}, QString::fromUtf8("金额"), 2}} << 1;
        QTest::newRow("second series") << "chart#2" << QList{kind(Kind::Chart)} << 2;
        QTest::newRow("series after index")
            << "Panel1>chart@2#3" << QList{name("Panel1"), kind(Kind::Chart, 2)} << 3;
        QTest::newRow("every kind word") << "image" << QList{kind(Kind::Image)} << 1;
        QTest::newRow("calendar kind") << "calendar" << QList{kind(Kind::Calendar)} << 1;
        QTest::newRow("kind word is exact") << "buttons" << QList{name("buttons")} << 1;
        QTest::newRow("arrows are a caption") << ">>" << QList{name(">>")} << 1;
        QTest::newRow("trailing arrow is a caption")
            << QString::fromUtf8("下一页>") << QList{name(QString::fromUtf8("下一页>"))} << 1;
        QTest::newRow("double arrow inside is a caption") << "a>>b" << QList{name("a>>b")} << 1;
        QTest::newRow("at without a number") << "me@home" << QList{name("me@home")} << 1;
        QTest::newRow("last at counts") << "x@2@3" << QList{name("x@2", 3)} << 1;
        QTest::newRow("hash alone is a caption") << "#2" << QList{name("#2")} << 1;
        QTest::newRow("hash without a number") << "C#" << QList{name("C#")} << 1;
    }
    void parsesSelectors() {
        QFETCH(QString, text);
        QFETCH(QList<SelectorPart>, parts);
        QFETCH(int, series);
        Selector selector;
        QString error;
        QVERIFY2(parseSelector(text, &selector, &error), qPrintable(error));
        QCOMPARE(selector.parts.size(), parts.size());
        for (int i = 0; i < parts.size(); ++i) {
            QCOMPARE(selector.parts.at(i).name, parts.at(i).name);
            QCOMPARE(int(selector.parts.at(i).kind), int(parts.at(i).kind));
            QCOMPARE(selector.parts.at(i).heading, parts.at(i).heading);
            QCOMPARE(selector.parts.at(i).index, parts.at(i).index);
        }
        QCOMPARE(selector.series, series);
        QCOMPARE(selector.text, text);
    }

    void refusesMalformedSelectors_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("zeroth match") << "button@0";
        QTest::newRow("zeroth series") << "chart#0";
        QTest::newRow("grid without heading") << "grid:";
    }
    void refusesMalformedSelectors() {
        QFETCH(QString, text);
        Selector selector;
        QString error;
        QVERIFY(!parseSelector(text, &selector, &error));
        QVERIFY(!error.isEmpty());
    }

    void writesPlainDecimals_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 3.0 << "3";
        QTest::newRow("no trailing zeros") << 12.5 << "12.5";
        QTest::newRow("negative") << -3.25 << "-3.25";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("binary noise rounded away") << 0.1 + 0.2 << "0.3";
        QTest::newRow("small, no exponent") << 0.00001 << "0.00001";
        QTest::newRow("large, no exponent") << 1e20 << "100000000000000000000";
        QTest::newRow("million") << 1000000.0 << "1000000";
        QTest::newRow("fifteen digits") << 1234567.89012345 << "1234567.89012345";
        QTest::newRow("sixteenth digit rounds") << 0.1234567890123456 << "0.123456789012346";
    }
    void writesPlainDecimals() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(plainDecimal(value), text);
    }

    void comparesDecimalsByValue() {
        QVERIFY(sameDecimal("12.50", 12.5));
        QVERIFY(sameDecimal("12.5", 12.5));
        QVERIFY(sameDecimal("0.3", 0.1 + 0.2));
        QVERIFY(!sameDecimal("12.51", 12.5));
        QVERIFY(!sameDecimal("abc", 12.5));
    }
};

QTEST_APPLESS_MAIN(TestScenarioScript)
#include "test_scenario_script.moc"

#include "app/skin_loader.h"
#include "skinbag/skinbag.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLibrary>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Received {
    QByteArray data;
    int writes = 0;
};

void receive(void *context, const char *data, unsigned long size) {
    auto *received = static_cast<Received *>(context);
    received->data.append(data, qsizetype(size));
    ++received->writes;
}

const QString binDir = QStringLiteral(TALLYBEE_BIN_DIR);

} // namespace

class TestSkin : public QObject {
    Q_OBJECT

    using GetSkinFunction = bool (*)(const char *, TallybeeSkinStream *);
    QLibrary m_library{binDir + QStringLiteral("/SkinBag")};
    GetSkinFunction m_getSkin = nullptr;

    QByteArray skinFromLibrary(const char *name, bool *delivered, int *writes = nullptr) {
        Received received;
        TallybeeSkinStream stream{&received, &receive};
        *delivered = m_getSkin(name, &stream);
        if (writes)
            *writes = received.writes;
        return received.data;
    }

private slots:
    void initTestCase() {
        QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
        m_getSkin = reinterpret_cast<GetSkinFunction>(m_library.resolve("GetSkin"));
        QVERIFY(m_getSkin);
    }

    void cleanup() { clearSkin(); }

    // The library itself.

    void libraryDeliversX4() {
        bool delivered = false;
        const QByteArray data = skinFromLibrary("x4", &delivered);
        QVERIFY(delivered);
        SkinData skin;
        QVERIFY(parseSkinData(data, &skin));
        QVERIFY(skin.palette.resolveMask() != 0);
        QVERIFY(skin.palette.isBrushSet(QPalette::Active, QPalette::Window));
        QVERIFY(skin.styleSheet.contains(QLatin1String("QPushButton")));
        // Labels are coloured by the windows themselves.
        QVERIFY(!skin.styleSheet.contains(QLatin1String("QLabel")));
    }

    void libraryRefusesOtherRequests_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("unknown") << QByteArray("x5");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("case differs") << QByteArray("X4");
        QTest::newRow("longer") << QByteArray("x4 ");
    }
    void libraryRefusesOtherRequests() {
        QFETCH(QByteArray, name);
        bool delivered = true;
        int writes = -1;
        const QByteArray data = skinFromLibrary(name.constData(), &delivered, &writes);
        QVERIFY(!delivered);
        QCOMPARE(writes, 0);
        QVERIFY(data.isEmpty());
    }

    void libraryRefusesMissingArguments() {
        Received received;
        TallybeeSkinStream stream{&received, &receive};
        QVERIFY(!m_getSkin(nullptr, &stream));
        QVERIFY(!m_getSkin("x4", nullptr));
        TallybeeSkinStream noWrite{&received, nullptr};
        QVERIFY(!m_getSkin("x4", &noWrite));
        QCOMPARE(received.writes, 0);
    }

    // Parsing.

    void parsesPaletteAndStyleSheet() {
        const QByteArray data = "@Window #faf6ee\n"
                                "@WindowText #3A3128\n"
                                "@Base #ffffff\n"
                                "---\n"
                                "QPushButton { color: #123456; }\n"
                                "@Text #000000\n";
        SkinData skin;
        QVERIFY(parseSkinData(data, &skin));
        QCOMPARE(skin.palette.color(QPalette::Active, QPalette::Window), QColor(0xfa, 0xf6, 0xee));
        QCOMPARE(skin.palette.color(QPalette::Inactive, QPalette::WindowText),
                 QColor(0x3a, 0x31, 0x28));
        QVERIFY(!skin.palette.isBrushSet(QPalette::Active, QPalette::Text));
        // Everything after the separator is style sheet, even what looks like a palette line.
        QCOMPARE(skin.styleSheet,
                 QStringLiteral("QPushButton { color: #123456; }\n@Text #000000\n"));
    }

    void toleratesEditorHabits() {
        SkinData skin;
        QVERIFY(parseSkinData(
            "\xef\xbb\xbf@Window #000000\r\n\r\n  @Text\t#ffffff  \r\n---\r\nQMenu {}", &skin));
        QCOMPARE(skin.palette.color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(skin.palette.color(QPalette::Text), QColor(Qt::white));
        QCOMPARE(skin.styleSheet, QStringLiteral("QMenu {}"));

        QVERIFY(parseSkinData("---\nQMenu {}", &skin));
        QCOMPARE(skin.palette.resolveMask(), QPalette::ResolveMask(0));
        QVERIFY(parseSkinData("@Base #ffffff\n---", &skin));
        QVERIFY(skin.styleSheet.isEmpty());
    }

    void disabledTextStaysDistinguishable() {
        SkinData skin;
        QVERIFY(parseSkinData("@Window #ffffff\n@WindowText #000000\n---\n", &skin));
        const QColor disabled = skin.palette.color(QPalette::Disabled, QPalette::WindowText);
        QVERIFY(disabled != QColor(Qt::black));
        QVERIFY(disabled != QColor(Qt::white));
        QCOMPARE(skin.palette.color(QPalette::Active, QPalette::WindowText), QColor(Qt::black));
    }

    void refusesMalformedData_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no separator") << QByteArray("@Window #ffffff\nQPushButton {}\n");
        QTest::newRow("style sheet only") << QByteArray("QPushButton {}\n");
        QTest::newRow("separator with text") << QByteArray("--- QPushButton {}\n");
        QTest::newRow("unknown role") << QByteArray("@Background #ffffff\n---\n");
        QTest::newRow("role in lower case") << QByteArray("@window #ffffff\n---\n");
        QTest::newRow("no colour") << QByteArray("@Window\n---\n");
        QTest::newRow("extra word") << QByteArray("@Window #ffffff bold\n---\n");
        QTest::newRow("short colour") << QByteArray("@Window #fff\n---\n");
        QTest::newRow("colour with alpha") << QByteArray("@Window #80ffffff\n---\n");
        QTest::newRow("colour name") << QByteArray("@Window white\n---\n");
        QTest::newRow("not hex") << QByteArray("@Window #gg0000\n---\n");
        QTest::newRow("role given twice") << QByteArray("@Window #ffffff\n@Window #000000\n---\n");
        QTest::newRow("line without @") << QByteArray("Window #ffffff\n---\n");
        QTest::newRow("bad UTF-8") << QByteArray("---\nQMenu { font-family: \"\xff\xfe\"; }\n");
        QTest::newRow("UTF-8 cut off") << QByteArray("---\nQMenu {} /* \xe8\xb4");
        QByteArray withNul("---\nQMenu {}");
        withNul.append('\0').append("QMenu {}");
        QTest::newRow("NUL byte") << withNul;
    }
    void refusesMalformedData() {
        QFETCH(QByteArray, data);
        SkinData skin;
        skin.styleSheet = QStringLiteral("untouched");
        skin.palette.setColor(QPalette::Window, Qt::red);
        QVERIFY(!parseSkinData(data, &skin));
        QCOMPARE(skin.styleSheet, QStringLiteral("untouched"));
        QCOMPARE(skin.palette.color(QPalette::Window), QColor(Qt::red));
    }

    // Loading into the application.

    void loadsAndClearsTheRealSkin() {
        const QColor windowBefore = qApp->palette().color(QPalette::Window);
        QVERIFY(loadSkin(binDir));
        QVERIFY(!qApp->styleSheet().isEmpty());

        bool delivered = false;
        SkinData expected;
        QVERIFY(parseSkinData(skinFromLibrary("x4", &delivered), &expected));
        QCOMPARE(qApp->styleSheet(), expected.styleSheet);
        QCOMPARE(qApp->palette().color(QPalette::Window), expected.palette.color(QPalette::Window));

        // Loading twice and clearing once still brings back the palette from before.
        QVERIFY(loadSkin(binDir));
        clearSkin();
        QVERIFY(qApp->styleSheet().isEmpty());
        QCOMPARE(qApp->palette().color(QPalette::Window), windowBefore);
    }

    void skinLeavesLabelsAndFontSizesAlone() {
        QVERIFY(loadSkin(binDir));
        QLabel label(QStringLiteral("收 入 类 别"));
        QPalette palette = label.palette();
        palette.setColor(QPalette::Window, QColor(0x00, 0xff, 0x00));
        palette.setColor(QPalette::WindowText, QColor(0xff, 0x00, 0x00));
        label.setPalette(palette);
        label.setAutoFillBackground(true);
        QFont font = label.font();
        font.setPixelSize(13);
        font.setBold(true);
        label.setFont(font);
        label.ensurePolished();

        QCOMPARE(label.palette().color(QPalette::Window), QColor(0x00, 0xff, 0x00));
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0xff, 0x00, 0x00));
        QCOMPARE(label.font().pixelSize(), 13);
        QVERIFY(label.font().bold());
    }

    void missingLibraryAppliesNothing() {
        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        const QColor windowBefore = qApp->palette().color(QPalette::Window);
        QVERIFY(!loadSkin(empty.path()));
        QVERIFY(qApp->styleSheet().isEmpty());
        QCOMPARE(qApp->palette().color(QPalette::Window), windowBefore);
    }

    void brokenLibraryAppliesNothing() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QFile fake(folder.filePath(QStringLiteral("libSkinBag.so")));
        QVERIFY(fake.open(QIODevice::WriteOnly));
        fake.write("not a library");
        fake.close();
        QVERIFY(!loadSkin(folder.path()));
        QVERIFY(qApp->styleSheet().isEmpty());
    }
};

QTEST_MAIN(TestSkin)
#include "test_skin.moc"

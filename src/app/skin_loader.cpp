#include "app/skin_loader.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QLibrary>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <optional>

namespace {

// Mirrors TallybeeSkinStream in skinbag.h; the library is only ever reached through
// QLibrary, so the program does not include its header.
struct SkinStream {
    void *context;
    void (*write)(void *context, const char *data, unsigned long size);
};
using GetSkinFunction = bool (*)(const char *name, SkinStream *stream);

// Far more than any sane skin; stops a faulty library from eating all memory.
constexpr qsizetype maxSkinSize = 4 * 1024 * 1024;

struct Collected {
    QByteArray data;
    bool overflow = false;
};

// Called from inside the library, so nothing may escape from here.
void collect(void *context, const char *data, unsigned long size) noexcept {
    auto *collected = static_cast<Collected *>(context);
    if (collected->overflow || size == 0)
        return;
    if (!data || size > static_cast<unsigned long>(maxSkinSize - collected->data.size())) {
        collected->overflow = true;
        return;
    }
    try {
        collected->data.append(data, static_cast<qsizetype>(size));
    } catch (...) {
        collected->overflow = true;
    }
}

std::optional<QPalette::ColorRole> roleNamed(QStringView name) {
    static const struct {
        const char *name;
        QPalette::ColorRole role;
    } roles[] = {
        {"Window", QPalette::Window},
        {"WindowText", QPalette::WindowText},
        {"Base", QPalette::Base},
        {"AlternateBase", QPalette::AlternateBase},
        {"Text", QPalette::Text},
        {"Button", QPalette::Button},
        {"ButtonText", QPalette::ButtonText},
        {"Highlight", QPalette::Highlight},
        {"HighlightedText", QPalette::HighlightedText},
        {"ToolTipBase", QPalette::ToolTipBase},
        {"ToolTipText", QPalette::ToolTipText},
        {"PlaceholderText", QPalette::PlaceholderText},
        {"Light", QPalette::Light},
        {"Midlight", QPalette::Midlight},
        {"Mid", QPalette::Mid},
        {"Dark", QPalette::Dark},
        {"Shadow", QPalette::Shadow},
        {"BrightText", QPalette::BrightText},
        {"Link", QPalette::Link},
    };
    for (const auto &entry : roles) {
        if (name == QLatin1String(entry.name))
            return entry.role;
    }
    return std::nullopt;
}

// Exactly "#rrggbb"; QColor alone would also take names and other forms.
std::optional<QColor> colourFrom(QStringView text) {
    if (text.size() != 7 || text[0] != u'#')
        return std::nullopt;
    for (const QChar c : text.mid(1)) {
        const char16_t u = c.unicode();
        if (!((u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F')))
            return std::nullopt;
    }
    return QColor::fromString(text);
}

QColor mixed(const QColor &a, const QColor &b) {
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

// One colour per role is given for all states; disabled text must still look disabled,
// so it is faded halfway into the background it sits on.
void fadeDisabledText(QPalette &palette, const QSet<QPalette::ColorRole> &given) {
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
        {QPalette::WindowText, QPalette::Window},
        {QPalette::Text, QPalette::Base},
        {QPalette::ButtonText, QPalette::Button},
    };
    for (const auto &[text, background] : pairs) {
        if (given.contains(text) && given.contains(background)) {
            palette.setColor(QPalette::Disabled, text,
                             mixed(palette.color(QPalette::Active, text),
                                   palette.color(QPalette::Active, background)));
        }
    }
}

QApplication *widgetApplication() {
    return qobject_cast<QApplication *>(QCoreApplication::instance());
}

// The palette the application had before a skin was applied; set while a skin is on.
std::optional<QPalette> &paletteBeforeSkin() {
    static std::optional<QPalette> palette;
    return palette;
}

} // namespace

bool parseSkinData(const QByteArray &data, SkinData *out) {
    if (!out || data.contains('\0'))
        return false;
    // Stateless, so a sequence cut off at the end counts as an error too.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(data);
    if (decoder.hasError())
        return false;
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);

    QPalette palette;
    QSet<QPalette::ColorRole> given;
    qsizetype lineStart = 0;
    while (lineStart < text.size()) {
        qsizetype lineEnd = text.indexOf(u'\n', lineStart);
        const qsizetype next = lineEnd < 0 ? text.size() : lineEnd + 1;
        if (lineEnd < 0)
            lineEnd = text.size();
        const QStringView line = QStringView(text).mid(lineStart, lineEnd - lineStart).trimmed();
        lineStart = next;

        if (line.isEmpty())
            continue;
        if (line == u"---") {
            SkinData parsed;
            fadeDisabledText(palette, given);
            parsed.palette = palette;
            parsed.styleSheet = text.mid(next);
            *out = parsed;
            return true;
        }
        if (!line.startsWith(u'@'))
            return false;
        static const QRegularExpression blanks(QStringLiteral("\\s+"));
        const auto parts = line.mid(1).split(blanks, Qt::SkipEmptyParts);
        if (parts.size() != 2)
            return false;
        const auto role = roleNamed(parts[0]);
        const auto colour = colourFrom(parts[1]);
        // A role given twice is a slip in the skin, not something to guess about.
        if (!role || !colour || given.contains(*role))
            return false;
        palette.setColor(*role, *colour);
        given.insert(*role);
    }
    return false; // no "---": the style sheet is missing
}

bool loadSkin(const QString &programFolder) {
    try {
        QApplication *app = widgetApplication();
        if (!app)
            return false;

        // An absolute path, so the library is never picked up from the system's search path.
        QLibrary library(QDir(programFolder).absoluteFilePath(QStringLiteral("SkinBag")));
        if (!library.load())
            return false;
        const auto getSkin = reinterpret_cast<GetSkinFunction>(library.resolve("GetSkin"));
        if (!getSkin)
            return false;
        Collected collected;
        SkinStream stream{&collected, &collect};
        // The library stays loaded: QLibrary shares one handle per file, so unloading
        // here could pull it from under anyone else in the process who uses it.
        const bool delivered = getSkin("x4", &stream);
        if (!delivered || collected.overflow)
            return false;

        SkinData skin;
        if (!parseSkinData(collected.data, &skin))
            return false;

        if (!paletteBeforeSkin())
            paletteBeforeSkin() = app->palette();
        app->setPalette(skin.palette);
        app->setStyleSheet(skin.styleSheet);
        return true;
    } catch (...) {
        return false;
    }
}

void clearSkin() {
    QApplication *app = widgetApplication();
    if (!app)
        return;
    app->setStyleSheet(QString());
    if (paletteBeforeSkin()) {
        app->setPalette(*paletteBeforeSkin());
        paletteBeforeSkin().reset();
    }
}

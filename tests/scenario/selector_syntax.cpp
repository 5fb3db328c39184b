#include "selector_syntax.h"

#include <QRegularExpression>
#include <utility>

namespace {
using Kind = SelectorPart::Kind;

const std::pair<const char *, Kind> KindWords[] = {
    {"button", Kind::Button},     {"label", Kind::Label}, {"edit", Kind::Edit},
    {"combo", Kind::Combo},       {"check", Kind::Check}, {"radio", Kind::Radio},
    {"date", Kind::Date},         {"spin", Kind::Spin},   {"grid", Kind::Grid},
    {"chart", Kind::Chart},       {"tab", Kind::Tab},     {"image", Kind::Image},
    {"calendar", Kind::Calendar},
};

QStringList splitPath(const QString &text) {
    QStringList parts;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool separator = c == QLatin1Char('>') && i > 0 && i + 1 < text.size() &&
                               text.at(i - 1) != QLatin1Char('>') &&
                               text.at(i + 1) != QLatin1Char('>');
        if (separator) {
            parts << current;
            current.clear();
        } else {
            current += c;
        }
    }
    parts << current;
    return parts;
}

// Takes a trailing marker+digits (@3, #2) off text; 0 when there is none, -1 when the
// number is not a count (@0).
int takeNumberSuffix(QString *text, QChar marker) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    const qsizetype at = text->lastIndexOf(marker);
    if (at <= 0 || at + 1 >= text->size())
        return 0;
    const QString number = text->mid(at + 1);
    if (!digits.match(number).hasMatch())
        return 0;
    text->truncate(at);
    const int value = number.size() > 6 ? 0 : number.toInt();
    return value > 0 ? value : -1;
}

bool parsePart(QString text, SelectorPart *part, QString *error) {
    const int index = takeNumberSuffix(&text, QLatin1Char('@'));
    if (index < 0) {
        *error = QStringLiteral("@N counts from 1");
        return false;
    }
    part->index = index;
    if (text.isEmpty()) {
        *error = QStringLiteral("an empty part");
        return false;
    }
    if (text.startsWith(QLatin1String("grid:"))) {
        part->kind = Kind::Grid;
        part->heading = text.mid(5);
        if (part->heading.isEmpty()) {
            *error = QStringLiteral("grid: needs a column heading");
            return false;
        }
        return true;
    }
    for (const auto &[word, kind] : KindWords) {
        if (text == QLatin1String(word)) {
            part->kind = kind;
            return true;
        }
    }
    part->kind = Kind::Name;
    part->name = text;
    return true;
}
} // namespace

bool parseSelector(const QString &text, Selector *out, QString *error) {
    Selector selector;
    selector.text = text;
    QString path = text;
    const int series = takeNumberSuffix(&path, QLatin1Char('#'));
    if (series < 0) {
        *error = QStringLiteral("#N counts from 1");
        return false;
    }
    selector.series = series > 0 ? series : 1;
    if (path.isEmpty()) {
        *error = QStringLiteral("an empty selector");
        return false;
    }
    for (const QString &piece : splitPath(path)) {
        SelectorPart part;
        if (!parsePart(piece, &part, error)) {
            *error = QStringLiteral("%1 in selector %2").arg(*error, text);
            return false;
        }
        selector.parts << part;
    }
    *out = selector;
    return true;
}

QString kindWord(SelectorPart::Kind kind) {
    for (const auto &[word, k] : KindWords) {
        if (k == kind)
            return QString::fromLatin1(word);
    }
    return QString();
}

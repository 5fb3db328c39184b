#pragma once

#include <QList>
#include <QString>

// One link of a selector path: a name (objectName, accessible name or caption) or a
// kind word, optionally the N-th match.
struct SelectorPart {
    enum class Kind {
        Name,
        Button,
        Label,
        Edit,
        Combo,
        Check,
        Radio,
        Date,
        Spin,
        Grid,
        Chart,
        Tab,
        Image,
        Calendar
    };
    Kind kind = Kind::Name;
    QString name;    // for Kind::Name
    QString heading; // for Kind::Grid: a column heading the grid must show (grid:金额)
    int index = 0;   // @N, 1-based; 0 when not given

    bool operator==(const SelectorPart &) const = default;
};

// A parsed selector: A>B>C, each part possibly with @N, the whole possibly with #N
// (the N-th series of a chart).
struct Selector {
    QString text; // as written, for messages
    QList<SelectorPart> parts;
    int series = 1;
};

// Parses a selector word. A '>' separates parts only between two other characters, so
// captions such as ">>" or "下一页>" stay whole. Returns false with *error on a malformed
// selector (empty part, @0, "grid:" without a heading).
bool parseSelector(const QString &text, Selector *out, QString *error);

// The kind word for a kind ("button", ...), empty for Kind::Name.
QString kindWord(SelectorPart::Kind kind);

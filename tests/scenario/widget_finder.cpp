#include "widget_finder.h"

#include "grid_access.h"
#include "step_failure.h"
#include "tools/perpetual_calendar.h"
#include "widget_text.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QGraphicsView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTextEdit>
#include <QtCharts/QChartView>
#include <algorithm>

// Composite widgets are found whole; their inner parts (a spin box's line edit, a
// table's scroll bars and headers) are not the user's targets.
bool isComposite(const QWidget *w) {
    return qobject_cast<const QAbstractItemView *>(w) ||
           qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QComboBox *>(w) ||
           qobject_cast<const QGraphicsView *>(w) || qobject_cast<const QTabBar *>(w) ||
           qobject_cast<const QLineEdit *>(w) || qobject_cast<const QTextEdit *>(w) ||
           qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QCalendarWidget *>(w) ||
           qobject_cast<const QScrollBar *>(w) || GridAccess::isGrid(w);
}

namespace {
using Kind = SelectorPart::Kind;

bool searchInside(const QWidget *w) {
    return !isComposite(w);
}

// A page of the main window's page stack that is not in front.
bool isCoveredPage(const QWidget *w) {
    const auto *stack = qobject_cast<const QStackedWidget *>(w->parentWidget());
    return stack && stack->objectName() == QLatin1String("pageStack") &&
           stack->currentWidget() != w;
}

struct Walk {
    bool hidden = false;       // include hidden widgets
    bool coveredPages = false; // include pages not in front
};

void collect(QWidget *scope, const Walk &walk, QList<Target> *out) {
    for (QObject *child : scope->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isWindow())
            continue;
        if (!walk.hidden && !w->isVisible())
            continue;
        if (!walk.coveredPages && isCoveredPage(w))
            continue;
        out->append({w, -1});
        if (auto *bar = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < bar->count(); ++i) {
                if (walk.hidden || bar->isTabVisible(i))
                    out->append({bar, i});
            }
        }
        if (searchInside(w))
            collect(w, walk, out);
    }
}

QPoint place(const Target &t) {
    if (QTabBar *bar = t.tabBar())
        return bar->mapToGlobal(bar->tabRect(t.tab).topLeft());
    return t.widget->mapToGlobal(QPoint(0, 0));
}

void sortInReadingOrder(QList<Target> *targets) {
    std::stable_sort(targets->begin(), targets->end(), [](const Target &a, const Target &b) {
        const QPoint pa = place(a), pb = place(b);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
}

QList<Target> matchName(const QList<Target> &candidates, const QString &name) {
    // objectName first, then accessible name, then caption: the first level with a
    // match decides, so a caption never shadows a name.
    for (int level = 0; level < 3; ++level) {
        QList<Target> found;
        for (const Target &t : candidates) {
            const bool hit = level == 0   ? !t.isTab() && t.widget->objectName() == name
                             : level == 1 ? !t.isTab() && t.widget->accessibleName() == name
                                          : captionOf(t) == name;
            if (hit)
                found << t;
        }
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QList<Target> matchPart(const QList<Target> &candidates, const SelectorPart &part) {
    if (part.kind == Kind::Name)
        return matchName(candidates, part.name);
    QList<Target> found;
    for (const Target &t : candidates) {
        if (!isKind(t, part.kind))
            continue;
        if (part.kind == Kind::Grid && !part.heading.isEmpty() &&
            !GridAccess(t.widget).headings().contains(part.heading))
            continue;
        found << t;
    }
    return found;
}

QString partText(const SelectorPart &part) {
    QString text = part.kind == Kind::Name ? part.name : kindWord(part.kind);
    if (!part.heading.isEmpty())
        text += QLatin1Char(':') + part.heading;
    return text;
}

struct Search {
    Target target;
    QString failure;
    bool nothingFound = false;
};

Search search(QWidget *window, const QList<QWidget *> &others, const Selector &selector,
              const Walk &walk) {
    Search result;
    Target scope{window, -1};
    for (int i = 0; i < selector.parts.size(); ++i) {
        const SelectorPart &part = selector.parts.at(i);
        QList<Target> candidates;
        if (i == 0) {
            candidates << scope;
            collect(window, walk, &candidates);
            for (QWidget *other : others) {
                if (other == window)
                    continue;
                candidates << Target{other, -1};
                collect(other, walk, &candidates);
            }
        } else {
            if (scope.isTab()) {
                result.failure = QStringLiteral("expected a widget to search inside, found a tab");
                return result;
            }
            collect(scope.widget, walk, &candidates);
        }
        QList<Target> matches = matchPart(candidates, part);
        sortInReadingOrder(&matches);
        const QString where =
            i == 0 ? QString() : QStringLiteral(" inside %1").arg(describe(scope));
        const QString what =
            walk.hidden ? QStringLiteral("widget") : QStringLiteral("visible widget");
        if (matches.isEmpty()) {
            result.nothingFound = true;
            result.failure = QStringLiteral("expected a %1 matching %2%3, found none")
                                 .arg(what, partText(part), where);
            return result;
        }
        if (part.index > matches.size()) {
            result.failure = QStringLiteral("expected at least %1 %2s matching %3%4, found %5")
                                 .arg(part.index)
                                 .arg(what, partText(part), where)
                                 .arg(matches.size());
            return result;
        }
        if (part.index == 0 && matches.size() > 1) {
            QStringList names;
            for (const Target &t : matches)
                names << describe(t);
            result.failure =
                QStringLiteral("expected one %1 matching %2%3, found %4 (%5); write %2@N")
                    .arg(what, partText(part), where)
                    .arg(matches.size())
                    .arg(names.join(QStringLiteral(", ")));
            return result;
        }
        scope = matches.at(part.index == 0 ? 0 : part.index - 1);
    }
    result.target = scope;
    return result;
}

} // namespace

bool isKind(const Target &t, Kind kind) {
    QWidget *w = t.widget;
    if (!w)
        return false;
    if (kind == Kind::Tab)
        return t.isTab();
    if (t.isTab())
        return false;
    switch (kind) {
    case Kind::Button:
        return qobject_cast<QAbstractButton *>(w) && !qobject_cast<QCheckBox *>(w) &&
               !qobject_cast<QRadioButton *>(w);
    case Kind::Label:
    case Kind::Image: {
        bool picture = w->inherits("QSvgWidget");
        if (auto *label = qobject_cast<QLabel *>(w))
            picture = !label->pixmap().isNull() || !label->picture().isNull() || label->movie();
        else if (kind == Kind::Label)
            return false;
        return kind == Kind::Image ? picture : !picture;
    }
    case Kind::Edit:
        return qobject_cast<QLineEdit *>(w) || qobject_cast<QTextEdit *>(w) ||
               qobject_cast<QPlainTextEdit *>(w);
    case Kind::Combo:
        return qobject_cast<QComboBox *>(w);
    case Kind::Check:
        return qobject_cast<QCheckBox *>(w);
    case Kind::Radio:
        return qobject_cast<QRadioButton *>(w);
    case Kind::Date:
        if (auto *picker = qobject_cast<QDateTimeEdit *>(w))
            return picker->displayedSections() & QDateTimeEdit::DateSections_Mask;
        return qobject_cast<QCalendarWidget *>(w);
    case Kind::Spin:
        return qobject_cast<QSpinBox *>(w) || qobject_cast<QDoubleSpinBox *>(w);
    case Kind::Grid:
        return GridAccess::isGrid(w);
    case Kind::Chart:
        return qobject_cast<QChartView *>(w);
    case Kind::Calendar:
        return qobject_cast<PerpetualCalendar *>(w) || qobject_cast<QCalendarWidget *>(w);
    case Kind::Name:
    case Kind::Tab:
        break;
    }
    return false;
}

Target findTarget(QWidget *window, const QList<QWidget *> &otherWindows, const Selector &selector,
                  Reach reach) {
    const bool hidden = reach == Reach::IncludingHidden;
    const QList<QWidget *> others = hidden ? otherWindows : QList<QWidget *>();
    Search found = search(window, others, selector, {hidden, false});
    // A hidden widget may sit on a page that is not in front; look there last.
    if (hidden && found.nothingFound)
        found = search(window, others, selector, {true, true});
    if (!found.failure.isEmpty())
        fail(found.failure);
    return found.target;
}

QList<Target> findAllOfKind(QWidget *window, Kind kind) {
    QList<Target> candidates;
    collect(window, {}, &candidates);
    QList<Target> found;
    for (const Target &t : candidates) {
        if (isKind(t, kind))
            found << t;
    }
    sortInReadingOrder(&found);
    return found;
}

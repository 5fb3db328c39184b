#include "expectations.h"

#include "chart_points.h"
#include "direct_sql.h"
#include "grid_access.h"
#include "plain_decimal.h"
#include "script.h"
#include "selection.h"
#include "session.h"
#include "step_failure.h"
#include "tools/month_grid_view.h"
#include "tools/perpetual_calendar.h"
#include "widget_text.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QStackedWidget>
#include <QtCharts/QChartView>

namespace Expectations {
namespace {

QString quoted(const QString &text) {
    return quoteWord(text);
}

QString quotedList(const QStringList &words) {
    QStringList out;
    for (const QString &w : words)
        out << quoteWord(w);
    return out.isEmpty() ? QStringLiteral("nothing") : out.join(QLatin1Char(' '));
}

QWidget *widgetOf(const Target &target) {
    if (!target.widget)
        fail(QStringLiteral("expected a widget, found it was destroyed"));
    return target.widget;
}

QAbstractButton *checkable(const Target &target) {
    auto *button = qobject_cast<QAbstractButton *>(widgetOf(target));
    if (target.isTab() || !button || !button->isCheckable())
        fail(
            QStringLiteral("expected a check box or radio button, found %1").arg(describe(target)));
    return button;
}

QStringList itemsOf(const Target &target) {
    QStringList items;
    QWidget *w = widgetOf(target);
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }
    if (auto *view = qobject_cast<QAbstractItemView *>(w);
        view && view->model() && !GridAccess::isGrid(w)) {
        for (int i = 0; i < view->model()->rowCount(view->rootIndex()); ++i)
            items << view->model()->index(i, 0, view->rootIndex()).data().toString();
        return items;
    }
    fail(QStringLiteral("expected a drop-down list, found %1").arg(describe(target)));
}

// The page stack of the main window, where `expect front` looks.
QStackedWidget *pageStack(QWidget *window) {
    auto *stack = window->findChild<QStackedWidget *>(QStringLiteral("pageStack"));
    if (!stack)
        fail(QStringLiteral("expected a page stack in %1, found none").arg(describe({window, -1})));
    return stack;
}

QList<QLabel *> navigationItems(QWidget *window) {
    QList<QLabel *> items;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->property("navItem").toBool())
            items << label;
    }
    return items;
}

QString navName(QLabel *item) {
    return captionOf({item, -1});
}

QString endingMatch(const QString &kind, const QString &expected, const QStringList &done) {
    if (done.isEmpty())
        return QStringLiteral("expected %1 %2, found nothing %1").arg(kind, quoted(expected));
    if (!done.last().endsWith(expected))
        return QStringLiteral("expected %1 ending in %2, found %3")
            .arg(kind, quoted(expected), quoted(done.last()));
    return QString();
}

} // namespace

void message(Session &session, const QStringList &args) {
    ScriptedPrompts::Message shown;
    if (!session.prompts().takeMessage(&shown))
        fail(QStringLiteral("expected a message box %1, found none").arg(quoted(args.at(0))));
    if (shown.text != args.at(0))
        fail(QStringLiteral("expected a message box %1, found %2")
                 .arg(quoted(args.at(0)), quoted(shown.text)));
    if (args.size() > 1 && shown.caption != args.at(1))
        fail(QStringLiteral("expected the message box captioned %1, found %2")
                 .arg(quoted(args.at(1)), quoted(shown.caption)));
}

void messageContaining(Session &session, const QStringList &args) {
    ScriptedPrompts::Message shown;
    if (!session.prompts().takeMessage(&shown))
        fail(QStringLiteral("expected a message box holding %1, found none")
                 .arg(quoted(args.at(0))));
    if (!shown.text.contains(args.at(0)))
        fail(QStringLiteral("expected a message box holding %1, found %2")
                 .arg(quoted(args.at(0)), quoted(shown.text)));
    if (args.size() > 1 && shown.caption != args.at(1))
        fail(QStringLiteral("expected the message box captioned %1, found %2")
                 .arg(quoted(args.at(1)), quoted(shown.caption)));
}

void noMessage(Session &session, const QStringList &) {
    ScriptedPrompts::Message shown;
    const int waiting = session.prompts().uncheckedCount();
    if (session.prompts().takeMessage(&shown))
        fail(QStringLiteral("expected no message box, found %1 (%2 unchecked)")
                 .arg(quoted(shown.text))
                 .arg(waiting));
}

void text(Session &session, const QStringList &args) {
    const Target target = resolve(session, args.at(0));
    const QString shown = visibleText(target);
    if (shown != args.at(1))
        fail(QStringLiteral("expected %1 to show %2, found %3")
                 .arg(args.at(0), quoted(args.at(1)), quoted(shown)));
}

void visible(Session &session, const QStringList &args) {
    try {
        resolve(session, args.at(0));
    } catch (const StepFailure &notShown) {
        // Say so when the widget is there but hidden.
        Target target;
        try {
            target = resolve(session, args.at(0), Reach::IncludingHidden);
        } catch (const StepFailure &) {
            throw notShown;
        }
        if (target.widget && !target.widget->isVisible())
            fail(QStringLiteral("expected %1 visible, found it hidden").arg(args.at(0)));
        throw;
    }
}

void hidden(Session &session, const QStringList &args) {
    const Target target = resolve(session, args.at(0), Reach::IncludingHidden);
    QWidget *w = widgetOf(target);
    const bool shown =
        target.isTab() ? target.tabBar()->isVisible() && target.tabBar()->isTabVisible(target.tab)
                       : w->isVisible();
    if (shown)
        fail(QStringLiteral("expected %1 hidden, found it visible").arg(args.at(0)));
}

void checked(Session &session, const QStringList &args) {
    if (!checkable(resolve(session, args.at(0)))->isChecked())
        fail(QStringLiteral("expected %1 checked, found it unchecked").arg(args.at(0)));
}

void unchecked(Session &session, const QStringList &args) {
    if (checkable(resolve(session, args.at(0)))->isChecked())
        fail(QStringLiteral("expected %1 unchecked, found it checked").arg(args.at(0)));
}

void focus(Session &session, const QStringList &args) {
    // Only the active window has a focus widget; the user is looking at this one.
    session.activateActiveWindow();
    const Target target = resolve(session, args.at(0));
    QWidget *w = widgetOf(target);
    QWidget *focused = QApplication::focusWidget();
    // A composite widget (spin box, combo box, grid) has the focus when a part of it has.
    const bool has = focused && (focused == w || (isComposite(w) && w->isAncestorOf(focused)));
    if (!has)
        fail(QStringLiteral("expected the focus on %1, found it on %2")
                 .arg(args.at(0), focused ? describe({focused, -1}) : QStringLiteral("nothing")));
}

void items(Session &session, const QStringList &args) {
    const QStringList expected = args.mid(1);
    const QStringList shown = itemsOf(resolve(session, args.at(0)));
    if (shown != expected)
        fail(QStringLiteral("expected the items %1, found %2")
                 .arg(quotedList(expected), quotedList(shown)));
}

void caption(Session &session, const QStringList &args) {
    const QString shown = session.activeWindow()->windowTitle();
    if (shown != args.at(0))
        fail(QStringLiteral("expected the caption %1, found %2")
                 .arg(quoted(args.at(0)), quoted(shown)));
}

void front(Session &session, const QStringList &args) {
    QWidget *page = pageStack(session.activeWindow())->currentWidget();
    if (!page || (page->objectName() != args.at(0) && page->accessibleName() != args.at(0)))
        fail(QStringLiteral("expected the page %1 in front, found %2")
                 .arg(args.at(0), page ? describe({page, -1}) : QStringLiteral("no page")));
}

void highlighted(Session &session, const QStringList &args) {
    const QList<QLabel *> all = navigationItems(session.activeWindow());
    QList<QLabel *> expected;
    for (const QString &name : args) {
        auto it = std::find_if(all.begin(), all.end(), [&](QLabel *l) {
            return navName(l) == name || l->objectName() == name;
        });
        if (it == all.end())
            fail(QStringLiteral("expected a navigation item %1, found none").arg(quoted(name)));
        expected << *it;
    }
    QStringList wanted, shown;
    bool same = true;
    for (QLabel *item : all) {
        const bool on = item->property("highlighted").toBool();
        if (on)
            shown << navName(item);
        if (expected.contains(item))
            wanted << navName(item);
        same = same && on == expected.contains(item);
    }
    if (!same)
        fail(QStringLiteral("expected highlighted %1, found %2")
                 .arg(quotedList(wanted), quotedList(shown)));
}

void rows(Session &session, const QStringList &args) {
    const GridAccess grid(widgetOf(resolve(session, args.at(0))));
    if (QString::number(grid.rows()) != args.at(1))
        fail(QStringLiteral("expected %1 rows in %2, found %3")
                 .arg(args.at(1), args.at(0))
                 .arg(grid.rows()));
}

void cell(Session &session, const QStringList &args) {
    const GridAccess grid(widgetOf(resolve(session, args.at(0))));
    const QString shown = grid.cellText(grid.row(args.at(1)), grid.column(args.at(2)));
    if (shown != args.at(3))
        fail(QStringLiteral("expected row %1, column %2 to show %3, found %4")
                 .arg(args.at(1), args.at(2), quoted(args.at(3)), quoted(shown)));
}

void footer(Session &session, const QStringList &args) {
    const GridAccess grid(widgetOf(resolve(session, args.at(0))));
    const QString shown = grid.footerText(grid.column(args.at(1)));
    if (shown != args.at(2))
        fail(QStringLiteral("expected the footer under %1 to show %2, found %3")
                 .arg(args.at(1), quoted(args.at(2)), quoted(shown)));
}

void columns(Session &session, const QStringList &args) {
    const GridAccess grid(widgetOf(resolve(session, args.at(0))));
    const QStringList expected = args.mid(1);
    if (grid.headings() != expected)
        fail(QStringLiteral("expected the columns %1, found %2")
                 .arg(quotedList(expected), quotedList(grid.headings())));
}

void chart(Session &session, const QStringList &args) {
    const Selector selector = selectorFrom(args.at(0));
    const Target target = resolve(session, args.at(0));
    const QList<ChartPoint> shown = chartPoints(widgetOf(target), selector.series);
    QStringList shownText;
    for (const ChartPoint &p : shown)
        shownText << p.label + QLatin1Char('=') + plainDecimal(p.value);
    bool same = shown.size() == args.size() - 1;
    for (int i = 0; same && i < shown.size(); ++i) {
        const QString &word = args.at(i + 1);
        const qsizetype eq = word.lastIndexOf(QLatin1Char('='));
        same = eq >= 0 && word.left(eq) == shown.at(i).label &&
               sameDecimal(word.mid(eq + 1), shown.at(i).value);
    }
    if (!same)
        fail(QStringLiteral("expected the points %1, found %2")
                 .arg(quotedList(args.mid(1)), quotedList(shownText)));
}

void points(Session &session, const QStringList &args) {
    const Selector selector = selectorFrom(args.at(0));
    const qsizetype count =
        chartPoints(widgetOf(resolve(session, args.at(0))), selector.series).size();
    if (QString::number(count) != args.at(1))
        fail(QStringLiteral("expected %1 points, found %2").arg(args.at(1)).arg(count));
}

void file(Session &session, const QStringList &args) {
    if (!QFileInfo::exists(session.resolvePath(args.at(0))))
        fail(QStringLiteral("expected the file %1, found none").arg(quoted(args.at(0))));
}

void noFile(Session &session, const QStringList &args) {
    if (QFileInfo::exists(session.resolvePath(args.at(0))))
        fail(QStringLiteral("expected no file %1, found one").arg(quoted(args.at(0))));
}

void sameFile(Session &session, const QStringList &args) {
    QFile first(session.resolvePath(args.at(0)));
    QFile second(session.resolvePath(args.at(1)));
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly))
        fail(QStringLiteral("expected the files %1 and %2, found one missing")
                 .arg(quoted(args.at(0)), quoted(args.at(1))));
    if (first.readAll() != second.readAll())
        fail(QStringLiteral("expected %1 and %2 to hold the same bytes, found them different")
                 .arg(quoted(args.at(0)), quoted(args.at(1))));
}

void window(Session &session, const QStringList &args) {
    QStringList open;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        if (top->windowTitle() == args.at(0)) {
            session.pinWindow(top);
            return;
        }
        open << quoted(top->windowTitle());
    }
    fail(QStringLiteral("expected a window %1, found %2")
             .arg(quoted(args.at(0)), open.isEmpty() ? QStringLiteral("none") : open.join(", ")));
}

void sql(Session &session, const QStringList &args) {
    const QString shown =
        DirectSql::firstColumn(session.folder().databasePath(), args.at(0)).join(QLatin1Char('|'));
    if (shown != args.at(1))
        fail(QStringLiteral("expected %1, found %2").arg(quoted(args.at(1)), quoted(shown)));
}

void opened(Session &session, const QStringList &args) {
    const QString failure =
        endingMatch(QStringLiteral("opened"), args.at(0), session.shell().openedUrls());
    if (!failure.isEmpty())
        fail(failure);
}

void started(Session &session, const QStringList &args) {
    const QString failure =
        endingMatch(QStringLiteral("started"), args.at(0), session.shell().startedPrograms());
    if (!failure.isEmpty())
        fail(failure);
}

void closed(Session &session, const QStringList &) {
    if (!session.programEnded())
        fail(QStringLiteral("expected the program ended, found it running"));
}

void day(Session &session, const QStringList &args) {
    const Target target = resolve(session, args.at(0));
    auto *calendar = qobject_cast<PerpetualCalendar *>(widgetOf(target));
    if (!calendar)
        fail(QStringLiteral("expected a perpetual calendar, found %1").arg(describe(target)));
    bool ok = false;
    const int dayNumber = args.at(1).toInt(&ok);
    if (!ok || dayNumber < 1 || dayNumber > 31)
        fail(QStringLiteral("expected a day 1 to 31, found %1").arg(quoted(args.at(1))));
    const CalendarMonth &month = calendar->grid()->month();
    const QPoint at = month.positionOf(QDate(month.year(), month.month(), dayNumber));
    if (at.x() < 0)
        fail(QStringLiteral("expected day %1 in the month shown, found %2-%3 has no such day")
                 .arg(dayNumber)
                 .arg(month.year())
                 .arg(month.month(), 2, 10, QLatin1Char('0')));
    const QString shown = month.cell(at.y(), at.x()).lowerText;
    if (shown != args.at(2))
        fail(QStringLiteral("expected day %1 of %2-%3 to show %4, found %5")
                 .arg(dayNumber)
                 .arg(month.year())
                 .arg(month.month(), 2, 10, QLatin1Char('0'))
                 .arg(quoted(args.at(2)), quoted(shown)));
}

void requested(Session &session, const QStringList &args) {
    session.awaitRequest();
    LocalWebServer &web = session.webServer();
    if (web.requestCount() == 0)
        fail(QStringLiteral("expected a request ending in %1, found none").arg(quoted(args.at(0))));
    const LocalWebServer::Request &request = web.lastRequest();
    const QString target = QString::fromUtf8(request.target);
    if (!target.endsWith(args.at(0)))
        fail(QStringLiteral("expected a request ending in %1, found %2")
                 .arg(quoted(args.at(0)), quoted(target)));
    for (const QString &pair : args.mid(1)) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        if (equals <= 0)
            fail(QStringLiteral("expected HEADER=VALUE, found %1").arg(quoted(pair)));
        const QString name = pair.left(equals);
        const QString value = QString::fromUtf8(request.header(name.toUtf8()));
        if (value != pair.mid(equals + 1))
            fail(QStringLiteral("expected the header %1 to be %2, found %3")
                     .arg(name, quoted(pair.mid(equals + 1)), quoted(value)));
    }
}

} // namespace Expectations

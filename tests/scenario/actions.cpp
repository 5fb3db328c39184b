#include "actions.h"

#include "grid_access.h"
#include "script.h"
#include "session.h"
#include "step_failure.h"
#include "tools/month_grid_view.h"
#include "tools/perpetual_calendar.h"
#include "user_input.h"
#include "widget_finder.h"
#include "widget_text.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>

namespace Actions {
namespace {

QWidget *widgetOf(const Target &target) {
    if (!target.widget)
        fail(QStringLiteral("expected a widget, found it was destroyed"));
    return target.widget;
}

void requireEnabled(QWidget *w, const Target &target) {
    if (!w->isEnabled())
        fail(QStringLiteral("expected %1 to be enabled, found it disabled").arg(describe(target)));
}

// The user clicks into a field before typing into it: its window comes to the front
// and it takes the focus, so the previous field's focus-out handlers run.
void focus(Session &session, QWidget *w) {
    session.activateActiveWindow();
    session.deliver([w] { w->setFocus(Qt::MouseFocusReason); });
    session.settle();
}

bool canTypeInto(QWidget *w) {
    auto *combo = qobject_cast<QComboBox *>(w);
    return qobject_cast<QLineEdit *>(w) || qobject_cast<QTextEdit *>(w) ||
           qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
           (combo && combo->isEditable());
}

void selectAll(Session &session, QWidget *w) {
    session.deliver([w] {
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            edit->selectAll();
        else if (auto *edit = qobject_cast<QTextEdit *>(w))
            edit->selectAll();
        else if (auto *edit = qobject_cast<QPlainTextEdit *>(w))
            edit->selectAll();
        else if (auto *spin = qobject_cast<QAbstractSpinBox *>(w))
            spin->selectAll();
        else if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->lineEdit())
            combo->lineEdit()->selectAll();
    });
}

// Select all, then the keys; with no text, Backspace clears the selection.
void replaceText(Session &session, QWidget *w, const QString &text) {
    selectAll(session, w);
    if (text.isEmpty())
        UserInput::pressKey(w, Qt::Key_Backspace, QStringLiteral("\b"));
    else
        UserInput::typeText(w, text);
    session.settle();
}

void chooseInCombo(Session &session, QComboBox *combo, const QString &item) {
    const int index = combo->findText(item, Qt::MatchExactly);
    if (index < 0) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << quoteWord(combo->itemText(i));
        fail(QStringLiteral("expected an item %1 to choose, found the items %2")
                 .arg(quoteWord(item),
                      items.isEmpty() ? QStringLiteral("(none)") : items.join(QLatin1Char(' '))));
    }
    const QModelIndex modelIndex =
        combo->model()->index(index, combo->modelColumn(), combo->rootModelIndex());
    if (!(combo->model()->flags(modelIndex) & Qt::ItemIsEnabled))
        fail(QStringLiteral("expected the item %1 to be selectable, found it disabled")
                 .arg(quoteWord(item)));
    // What picking from the drop-down does: the current item changes (if it does), then
    // the choice is announced even when it is the same item again.
    QPointer<QComboBox> guard(combo);
    session.deliver([combo, index] { combo->setCurrentIndex(index); });
    session.settle();
    if (guard) {
        session.deliver([combo, index] {
            emit combo->activated(index);
            emit combo->textActivated(combo->itemText(index));
        });
    }
    session.settle();
}

void chooseInView(Session &session, QAbstractItemView *view, const QString &item) {
    const QAbstractItemModel *model = view->model();
    const QModelIndexList hits = model ? model->match(model->index(0, 0, view->rootIndex()),
                                                      Qt::DisplayRole, item, 1, Qt::MatchExactly)
                                       : QModelIndexList();
    if (hits.isEmpty())
        fail(QStringLiteral("expected an item %1 in the list, found none").arg(quoteWord(item)));
    view->scrollTo(hits.first());
    UserInput::click(view->viewport(), view->visualRect(hits.first()).center());
    session.settle();
}

void setSpinValue(Session &session, QWidget *w, const QString &item) {
    bool ok = false;
    const double value = item.toDouble(&ok);
    if (!ok)
        fail(QStringLiteral("expected a number to choose, found %1").arg(quoteWord(item)));
    double minimum = 0, maximum = 0;
    if (auto *spin = qobject_cast<QSpinBox *>(w)) {
        minimum = spin->minimum();
        maximum = spin->maximum();
    } else if (auto *spin = qobject_cast<QDoubleSpinBox *>(w)) {
        minimum = spin->minimum();
        maximum = spin->maximum();
    }
    if (value < minimum || value > maximum)
        fail(QStringLiteral("expected %1 within %2 to %3, found it outside")
                 .arg(item)
                 .arg(minimum)
                 .arg(maximum));
    session.deliver([w, value] {
        if (auto *spin = qobject_cast<QSpinBox *>(w))
            spin->setValue(int(value));
        else if (auto *spin = qobject_cast<QDoubleSpinBox *>(w))
            spin->setValue(value);
    });
    session.settle();
}

// What a user does to reach a day: the year and the month in the calendar's own boxes,
// then a click on the day's cell.
void chooseOnCalendar(Session &session, PerpetualCalendar *calendar, const QDate &date) {
    for (QSpinBox *box : {calendar->yearBox(), calendar->monthBox()}) {
        const int wanted = box == calendar->yearBox() ? date.year() : date.month();
        if (box->value() == wanted)
            continue;
        if (wanted < box->minimum() || wanted > box->maximum())
            fail(QStringLiteral("expected a day the calendar offers, found %1 outside %2 to %3")
                     .arg(date.toString(Qt::ISODate))
                     .arg(box->minimum())
                     .arg(box->maximum()));
        focus(session, box);
        session.deliver([box, wanted] { box->setValue(wanted); });
        session.settle();
    }
    MonthGridView *grid = calendar->grid();
    const QRect cell = grid->dayRect(date.day());
    if (cell.isEmpty())
        fail(QStringLiteral("expected the calendar to show %1, found %2")
                 .arg(date.toString(Qt::ISODate), calendar->selectedDate().toString(Qt::ISODate)));
    UserInput::click(grid, cell.center());
    session.settle();
    if (calendar->selectedDate() != date)
        fail(QStringLiteral("expected %1 selected in the calendar, found %2")
                 .arg(date.toString(Qt::ISODate), calendar->selectedDate().toString(Qt::ISODate)));
}

// The widget in an open cell editor that takes the keys.
QWidget *keyTarget(QWidget *editor) {
    QWidget *focused = QApplication::focusWidget();
    if (focused && (focused == editor || editor->isAncestorOf(focused)))
        return focused;
    if (canTypeInto(editor) || qobject_cast<QComboBox *>(editor))
        return editor;
    if (auto *inner = editor->findChild<QLineEdit *>())
        return inner;
    return editor;
}

} // namespace

QDate parseDate(const QString &text) {
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!form.match(text).hasMatch() || !date.isValid())
        fail(QStringLiteral("expected a date YYYY-MM-DD, found %1").arg(quoteWord(text)));
    return date;
}

void click(Session &session, const Target &target) {
    QWidget *w = widgetOf(target);
    session.activateActiveWindow();
    if (QTabBar *bar = target.tabBar())
        UserInput::click(bar, bar->tabRect(target.tab).center());
    else
        UserInput::click(w, w->rect().center());
    session.settle();
}

void menu(Session &session, const Target &target, const QString &item) {
    QWidget *w = widgetOf(target);
    if (GridAccess::isGrid(w))
        w = GridAccess(w).view();
    if (auto *area = qobject_cast<QAbstractScrollArea *>(w))
        w = area->viewport();
    session.activateActiveWindow();
    focus(session, w);
    bool opened = false;
    bool chosen = false;
    QStringList offered;
    // A menu run with exec() blocks: the choice is made from inside its own loop.
    auto choose = [&] {
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!popup || opened)
            return;
        opened = true;
        for (QAction *action : popup->actions()) {
            const QString text = action->text().remove(QLatin1Char('&'));
            offered << text;
            if (text == item && action->isEnabled()) {
                chosen = true;
                popup->setActiveAction(action);
                UserInput::pressKey(popup, Qt::Key_Return, QString());
                return;
            }
        }
        popup->close();
    };
    QTimer chooser;
    chooser.setInterval(0);
    QObject::connect(&chooser, &QTimer::timeout, choose);
    chooser.start();
    UserInput::rightClick(w, w->rect().center());
    session.settle();
    choose();
    chooser.stop();
    session.settle();
    if (!opened)
        fail(QStringLiteral("expected a context menu on %1, found none").arg(describe(target)));
    if (!chosen)
        fail(QStringLiteral("expected the menu item %1, found %2")
                 .arg(quoteWord(item), offered.join(QLatin1Char(' '))));
}

void type(Session &session, const Target &target, const QString &text) {
    QWidget *w = widgetOf(target);
    if (target.isTab() || !canTypeInto(w))
        fail(QStringLiteral("expected a field to type into, found %1").arg(describe(target)));
    requireEnabled(w, target);
    focus(session, w);
    replaceText(session, w, text);
}

void paste(Session &session, const Target &target, const QString &text) {
    QWidget *w = widgetOf(target);
    if (target.isTab() || !canTypeInto(w))
        fail(QStringLiteral("expected a field to paste into, found %1").arg(describe(target)));
    requireEnabled(w, target);
    focus(session, w);
    QGuiApplication::clipboard()->setText(text);
    selectAll(session, w);
    UserInput::pressKey(w, Qt::Key_V, QString(), Qt::ControlModifier);
    session.settle();
}

void key(Session &session, const Target &target, const QString &keyWord) {
    QWidget *w = widgetOf(target);
    int code = 0;
    QString text;
    if (!UserInput::keyFromWord(keyWord, &code, &text))
        fail(QStringLiteral(
                 "expected a key (Enter, Backspace, Tab, Escape or one character), found %1")
                 .arg(quoteWord(keyWord)));
    requireEnabled(w, target);
    // Keys pressed in a grid go to its table, or to the cell editor open in it.
    if (GridAccess::isGrid(w)) {
        QWidget *table = GridAccess(w).view();
        QWidget *focused = QApplication::focusWidget();
        w = focused && table->isAncestorOf(focused) ? focused : table;
    }
    focus(session, w);
    UserInput::pressKey(w, code, text);
    session.settle();
}

void choose(Session &session, const Target &target, const QString &item) {
    QWidget *w = widgetOf(target);
    requireEnabled(w, target);
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        focus(session, w);
        chooseInCombo(session, combo, item);
    } else if (qobject_cast<QSpinBox *>(w) || qobject_cast<QDoubleSpinBox *>(w)) {
        focus(session, w);
        setSpinValue(session, w, item);
    } else if (auto *view = qobject_cast<QAbstractItemView *>(w); view && !GridAccess::isGrid(w)) {
        session.activateActiveWindow();
        chooseInView(session, view, item);
    } else {
        fail(QStringLiteral("expected a drop-down list, lookup box or spin box, found %1")
                 .arg(describe(target)));
    }
}

void setDate(Session &session, const Target &target, const QString &dateText) {
    QWidget *w = widgetOf(target);
    const QDate date = parseDate(dateText);
    requireEnabled(w, target);
    if (auto *picker = qobject_cast<QDateTimeEdit *>(w)) {
        if (date < picker->minimumDate() || date > picker->maximumDate())
            fail(QStringLiteral("expected a date the picker offers, found %1 outside %2 to %3")
                     .arg(dateText, picker->minimumDate().toString(Qt::ISODate),
                          picker->maximumDate().toString(Qt::ISODate)));
        focus(session, w);
        session.deliver([picker, date] { picker->setDate(date); });
    } else if (auto *calendar = qobject_cast<PerpetualCalendar *>(w)) {
        session.activateActiveWindow();
        chooseOnCalendar(session, calendar, date);
        return;
    } else if (auto *calendar = qobject_cast<QCalendarWidget *>(w)) {
        focus(session, w);
        session.deliver([calendar, date] {
            calendar->setSelectedDate(date);
            emit calendar->clicked(date);
        });
    } else {
        fail(QStringLiteral("expected a date picker, found %1").arg(describe(target)));
    }
    session.settle();
}

void clickCell(Session &session, const Target &target, const QString &row, const QString &column) {
    const GridAccess grid(widgetOf(target));
    const int r = grid.row(row);
    const int c = grid.column(column);
    session.activateActiveWindow();
    const QRect rect = grid.showCell(r, c);
    UserInput::click(grid.view()->viewport(), rect.center());
    session.settle();
}

void editCell(Session &session, const Target &target, const QString &row, const QString &column,
              const QString &text) {
    const GridAccess grid(widgetOf(target));
    const int r = grid.row(row);
    const int c = grid.column(column);
    QTableView *view = grid.view();
    const QModelIndex index = grid.index(r, c);
    session.activateActiveWindow();
    UserInput::click(view->viewport(), grid.showCell(r, c).center());
    session.settle();
    // Grids that open editors on a double click, or on a click on the current cell
    // after a delay, get what a user would do next.
    if (!view->indexWidget(index)) {
        UserInput::doubleClick(view->viewport(), grid.showCell(r, c).center());
        session.settle();
    }
    if (!view->indexWidget(index) && view->editTriggers() != QAbstractItemView::NoEditTriggers) {
        session.deliver([view, index] { view->edit(index); });
        session.settle();
    }
    QPointer<QWidget> editor = view->indexWidget(index);
    if (!editor)
        fail(QStringLiteral("expected an editor in row %1, column %2, found the cell not editable")
                 .arg(row, column));

    QWidget *input = keyTarget(editor);
    if (auto *combo = qobject_cast<QComboBox *>(input)) {
        chooseInCombo(session, combo, text);
    } else if (auto *picker = qobject_cast<QDateTimeEdit *>(input)) {
        const QDate date = parseDate(text);
        session.deliver([picker, date] { picker->setDate(date); });
    } else {
        replaceText(session, input, text);
    }
    session.settle();
    if (editor) {
        UserInput::pressKey(keyTarget(editor), Qt::Key_Return, QStringLiteral("\r"));
        session.settle();
    }
}

void login(Session &session, const QString &user, const QString &password) {
    QWidget *window = session.activeWindow();
    if (window->objectName() != QLatin1String("TF_Login"))
        fail(QStringLiteral("expected the login window in front, found %1")
                 .arg(describe({window, -1})));
    const QList<Target> combos = findAllOfKind(window, SelectorPart::Kind::Combo);
    QList<Target> passwords;
    for (const Target &t : findAllOfKind(window, SelectorPart::Kind::Edit)) {
        if (auto *edit = qobject_cast<QLineEdit *>(t.widget.data());
            edit && edit->echoMode() != QLineEdit::Normal)
            passwords << t;
    }
    if (combos.size() != 1 || passwords.size() != 1)
        fail(QStringLiteral("expected one user list and one password box, found %1 and %2")
                 .arg(combos.size())
                 .arg(passwords.size()));
    choose(session, combos.first(), user);
    type(session, passwords.first(), password);
    Selector button;
    button.text = QStringLiteral("登录");
    button.parts << SelectorPart{SelectorPart::Kind::Name, button.text, {}, 0};
    click(session, findTarget(session.activeWindow(), {}, button, Reach::Visible));
}

} // namespace Actions

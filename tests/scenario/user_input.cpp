#include "user_input.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>

Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject *o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods, const QString &text,
                                               bool autorep, ushort count);

namespace UserInput {
namespace {

// Far apart, so two clicks in a row never look like a double click.
ulong nextTimestamp() {
    static ulong stamp = 1000;
    stamp += 10000;
    return stamp;
}

bool sendMouse(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons, ulong stamp,
               Qt::MouseButton button = Qt::LeftButton) {
    QPointer<QWidget> guard(w);
    if (!guard)
        return false;
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    event.setTimestamp(stamp);
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(w, &event);
    return guard;
}

void sendKey(QWidget *w, QEvent::Type type, int key, const QString &text,
             Qt::KeyboardModifiers modifiers) {
    QKeyEvent event(type, key, modifiers, text);
    event.setTimestamp(nextTimestamp());
    QSpontaneKeyEvent::setSpontaneous(&event);
    if (type == QEvent::KeyPress &&
        qt_sendShortcutOverrideEvent(w, event.timestamp(), key, modifiers, text, false, 1))
        return; // a shortcut took the key
    qApp->notify(w, &event);
}

int keyForCharacter(const QString &ch) {
    const char32_t code = ch.toUcs4().value(0);
    if (code >= 'a' && code <= 'z')
        return int(Qt::Key_A + (code - 'a'));
    if (code < 0x80)
        return int(code); // Qt's key codes for printable ASCII are the characters
    return int(QChar::toUpper(code));
}

} // namespace

void rightClick(QWidget *w, QPoint pos) {
    const ulong stamp = nextTimestamp();
    QPointer<QWidget> guard(w);
    if (!sendMouse(w, QEvent::MouseButtonPress, pos, Qt::RightButton, stamp, Qt::RightButton))
        return;
    if (!sendMouse(w, QEvent::MouseButtonRelease, pos, Qt::NoButton, stamp + 50, Qt::RightButton))
        return;
    // The window system follows a right click with a context menu request.
    QContextMenuEvent menu(QContextMenuEvent::Mouse, pos, w->mapToGlobal(pos));
    QSpontaneKeyEvent::setSpontaneous(&menu);
    qApp->notify(w, &menu);
}

void click(QWidget *w, QPoint pos) {
    const ulong stamp = nextTimestamp();
    if (sendMouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton, stamp))
        sendMouse(w, QEvent::MouseButtonRelease, pos, Qt::NoButton, stamp + 50);
}

void doubleClick(QWidget *w, QPoint pos) {
    const ulong stamp = nextTimestamp();
    if (sendMouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton, stamp) &&
        sendMouse(w, QEvent::MouseButtonRelease, pos, Qt::NoButton, stamp + 50) &&
        sendMouse(w, QEvent::MouseButtonDblClick, pos, Qt::LeftButton, stamp + 100))
        sendMouse(w, QEvent::MouseButtonRelease, pos, Qt::NoButton, stamp + 150);
}

void pressKey(QWidget *w, int key, const QString &text, Qt::KeyboardModifiers modifiers) {
    QPointer<QWidget> guard(w);
    sendKey(w, QEvent::KeyPress, key, text, modifiers);
    // Enter may well close the widget it was pressed in.
    if (guard)
        sendKey(w, QEvent::KeyRelease, key, text, modifiers);
}

void typeText(QWidget *w, const QString &text) {
    QPointer<QWidget> guard(w);
    for (qsizetype i = 0; i < text.size() && guard; ++i) {
        // A character outside the basic plane is two QChars but one key.
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString ch = text.mid(i, length);
        i += length - 1;
        pressKey(w, keyForCharacter(ch), ch);
    }
}

bool keyFromWord(const QString &word, int *key, QString *text) {
    static const struct {
        const char *name;
        Qt::Key key;
        const char *text;
    } named[] = {
        {"Enter", Qt::Key_Return, "\r"},
        {"Backspace", Qt::Key_Backspace, "\b"},
        {"Tab", Qt::Key_Tab, "\t"},
        {"Escape", Qt::Key_Escape, "\x1b"},
        {"Delete", Qt::Key_Delete, "\x7f"},
        {"Space", Qt::Key_Space, " "},
        {"Up", Qt::Key_Up, ""},
        {"Down", Qt::Key_Down, ""},
        {"Left", Qt::Key_Left, ""},
        {"Right", Qt::Key_Right, ""},
        {"Home", Qt::Key_Home, ""},
        {"End", Qt::Key_End, ""},
    };
    for (const auto &n : named) {
        if (word == QLatin1String(n.name)) {
            *key = n.key;
            *text = QString::fromLatin1(n.text);
            return true;
        }
    }
    if (word.toUcs4().size() != 1)
        return false;
    *key = keyForCharacter(word);
    *text = word;
    return true;
}

} // namespace UserInput

#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

class QWidget;

// Mouse and keyboard events as the window system would deliver them: spontaneous, through
// QApplication::notify (so focus follows clicks, shortcuts, event filters and the
// application's error box all apply), to one widget.
namespace UserInput {

void click(QWidget *w, QPoint pos);
// A right button press and release, then the context menu request that follows them.
void rightClick(QWidget *w, QPoint pos);
void doubleClick(QWidget *w, QPoint pos);
// A press and release of one key; text is what the key types ("" for none).
void pressKey(QWidget *w, int key, const QString &text,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Types text one character at a time.
void typeText(QWidget *w, const QString &text);

// A scenario's key word: Enter, Backspace, Tab, Escape (and Delete, Space, Up, Down,
// Left, Right, Home, End), or one character. False when the word names no key.
bool keyFromWord(const QString &word, int *key, QString *text);

} // namespace UserInput

#pragma once

#include "selector_syntax.h"
#include "target.h"

#include <QList>

class QWidget;

// Whether a search looks only at what the user can see, or at hidden widgets too (for
// `expect hidden`).
enum class Reach { Visible, IncludingHidden };

// Finds the one widget a selector names in the window: among its shown widgets (on the
// main window, pages other than the one in front never count), by objectName, else
// accessible name, else caption; kind words by kind; A>B for B inside A; @N for the
// N-th match in reading order. Without @N the match must be unique. With
// Reach::IncludingHidden, otherWindows (the program's other windows) are searched too.
// Throws StepFailure when nothing, or more than one widget, matches.
Target findTarget(QWidget *window, const QList<QWidget *> &otherWindows, const Selector &selector,
                  Reach reach);

// Every shown widget of a kind in the window, in reading order.
QList<Target> findAllOfKind(QWidget *window, SelectorPart::Kind kind);

bool isKind(const Target &target, SelectorPart::Kind kind);

// A widget found whole, whose inner parts (a spin box's line edit, a grid's table) are
// not targets of their own.
bool isComposite(const QWidget *w);

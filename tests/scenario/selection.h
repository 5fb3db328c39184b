#pragma once

#include "selector_syntax.h"
#include "target.h"
#include "widget_finder.h"

#include <QString>

class Session;

// A selector word parsed; throws StepFailure when it is malformed.
Selector selectorFrom(const QString &word);

// The widget a selector word names in the program's active window.
Target resolve(Session &session, const QString &word, Reach reach = Reach::Visible);

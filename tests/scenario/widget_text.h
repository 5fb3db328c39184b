#pragma once

#include "target.h"

#include <QString>

class QWidget;

// "&File" as the user sees it: "File" ("&&" stays one "&").
QString stripMnemonic(const QString &text);

// The caption a user reads on a widget, by which a selector may name it: the text of a
// button, check or radio box, label (rich text as plain) or tab, the title of a group
// box. Empty for other widgets.
QString captionOf(const Target &target);

// What `expect text` compares: a label's, button's or edit's text, a combo box's current
// text, a group box title, a window caption, a date picker's date as YYYY-MM-DD, a spin
// box's number. Throws StepFailure for a widget that shows no text.
QString visibleText(const Target &target);

// A short description for messages: the object name, else the kind and caption.
QString describe(const Target &target);

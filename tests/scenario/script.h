#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One step of a scenario file: its words, already unquoted, and where it was written.
struct ScriptStep {
    int line = 0;
    QStringList words;
};

struct ScriptError {
    int line = 0;
    QString message;
};

// Splits one line into words. Blanks separate words; "..." keeps blanks inside a word
// ("" is the empty word); inside quotes \" is a quote and \\ a backslash; a # at the
// start of a word, outside quotes, begins a comment. Returns false with *error set
// when a quote is left open.
bool splitWords(const QString &line, QStringList *words, QString *error);

// Splits a whole file into steps, skipping blank and comment lines. Stops at the first
// line that cannot be split.
bool parseScript(const QString &text, QList<ScriptStep> *steps, ScriptError *error);

// Writes a word back in the form a scenario would use, quoting it when needed, so
// failure messages show texts unambiguously.
QString quoteWord(const QString &word);

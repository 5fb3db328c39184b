#include "script.h"

namespace {
bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
} // namespace

bool splitWords(const QString &line, QStringList *words, QString *error) {
    words->clear();
    QString word;
    bool inWord = false; // a word has begun, even if it is still empty ("")
    bool inQuote = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (inQuote) {
            if (c == QLatin1Char('\\') && i + 1 < line.size() &&
                (line.at(i + 1) == QLatin1Char('"') || line.at(i + 1) == QLatin1Char('\\'))) {
                word += line.at(++i);
            } else if (c == QLatin1Char('"')) {
                inQuote = false;
            } else {
                word += c;
            }
            continue;
        }
        if (isBlank(c)) {
            if (inWord)
                words->append(word);
            word.clear();
            inWord = false;
        } else if (c == QLatin1Char('#') && !inWord) {
            break; // a comment; '#' inside a word (chart#2) is part of it
        } else if (c == QLatin1Char('"')) {
            inWord = true;
            inQuote = true;
        } else {
            inWord = true;
            word += c;
        }
    }
    if (inQuote) {
        *error = QStringLiteral("a quote is not closed");
        return false;
    }
    if (inWord)
        words->append(word);
    return true;
}

bool parseScript(const QString &text, QList<ScriptStep> *steps, ScriptError *error) {
    steps->clear();
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    const QStringList lines = body.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        ScriptStep step;
        step.line = i + 1;
        QString message;
        if (!splitWords(line, &step.words, &message)) {
            *error = {step.line, message};
            return false;
        }
        if (!step.words.isEmpty())
            steps->append(step);
    }
    return true;
}

QString quoteWord(const QString &word) {
    bool plain = !word.isEmpty() && !word.startsWith(QLatin1Char('#'));
    for (QChar c : word) {
        if (isBlank(c) || c == QLatin1Char('"') || c == QLatin1Char('\\') || c.isSpace())
            plain = false;
    }
    if (plain)
        return word;
    QString quoted = QStringLiteral("\"");
    for (QChar c : word) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

#pragma once

#include "core/services.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>

// Prompts that record what was said and answer questions from a queue. A question
// with no answer waiting is an error of the test: it is noted and answered Cancel.
class ScriptedPrompts : public Prompts {
public:
    struct Message {
        QString caption;
        QString text;
        Icon icon = Icon::None;
        bool question = false;
        bool answer = false; // what a question was answered
    };

    void inform(const QString &caption, const QString &text, Icon icon) override;
    bool confirm(const QString &caption, const QString &text, Icon icon) override;

    void queueAnswer(bool ok) { m_answers.push_back(ok); }
    int queuedAnswers() const { return int(m_answers.size()); }

    // Every message so far, oldest first.
    const QList<Message> &messages() const { return m_messages; }
    // Messages not yet taken by takeMessage().
    int uncheckedCount() const { return int(m_messages.size()) - m_checked; }
    // The oldest unchecked message; false when there is none.
    bool takeMessage(Message *out);

    // The questions asked with no answer queued since the last call, then forgets them.
    QStringList takeUnanswered();

    void reset();

private:
    QList<Message> m_messages;
    int m_checked = 0;
    std::deque<bool> m_answers;
    QStringList m_unanswered;
};

// A clock that stands still until told to move.
class ScriptedClock : public Clock {
public:
    // A fixed moment, so a test that never sets the date still runs the same every day.
    static QDateTime defaultNow();

    ScriptedClock() : m_now(defaultNow()) {}
    explicit ScriptedClock(const QDateTime &now) : m_now(now) {}

    QDateTime now() const override { return m_now; }
    void set(const QDateTime &now) { m_now = now; }
    void advance(qint64 msecs) { m_now = m_now.addMSecs(msecs); }

private:
    QDateTime m_now;
};

// A shell that opens and starts nothing and remembers what it was asked.
class ScriptedShell : public Shell {
public:
    void openUrl(const QString &url) override { m_opened << url; }
    bool startProgram(const QString &program) override;

    // What startProgram answers (a program that could not be started: false).
    void setStartSucceeds(bool ok) { m_startSucceeds = ok; }

    const QStringList &openedUrls() const { return m_opened; }
    const QStringList &startedPrograms() const { return m_started; }
    QString lastOpened() const { return m_opened.isEmpty() ? QString() : m_opened.last(); }
    QString lastStarted() const { return m_started.isEmpty() ? QString() : m_started.last(); }

    void reset();

private:
    QStringList m_opened;
    QStringList m_started;
    bool m_startSucceeds = true;
};

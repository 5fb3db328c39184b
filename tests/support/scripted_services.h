#pragma once

#include "core/program_control.h"
#include "core/services.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

// Prompts that record what was said and answer questions and file dialogs from queues. A
// question with no answer waiting, or one that cannot take the answer waiting (Yes to an
// OK/Cancel question), is an error of the test: it is noted and answered Cancel.
class ScriptedPrompts : public Prompts {
public:
    struct Message {
        QString caption;
        QString text;
        Icon icon = Icon::None;
        bool question = false;
        bool answer = false; // what a question was answered
    };

    // What a queued answer says: the buttons of both kinds of question.
    enum class Reply { OK, Cancel, Yes, No };

    void inform(const QString &caption, const QString &text, Icon icon) override;
    bool confirm(const QString &caption, const QString &text, Icon icon) override;
    Answer ask(const QString &caption, const QString &text) override;
    QString openFileName(const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &suggestedPath,
                         const QString &filter) override;

    void queueAnswer(bool ok) { queueReply(ok ? Reply::OK : Reply::Cancel); }
    void queueReply(Reply reply) { m_answers.push_back(reply); }
    int queuedAnswers() const { return int(m_answers.size()); }
    // The next file dialog's choice: an absolute path, or an empty text for Cancel.
    void queueFile(const QString &path) { m_files.push_back(path); }
    // The captions and suggested paths of the file dialogs opened so far.
    const QStringList &fileDialogs() const { return m_fileDialogs; }

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
    std::optional<Reply> nextReply(const QString &text);
    QString nextFile(const QString &caption, const QString &suggested);

    std::deque<Reply> m_answers;
    std::deque<QString> m_files;
    QStringList m_fileDialogs;
    QStringList m_unanswered;
};

// A program for pages tested on their own: it notes the requests to reopen the books.
class ScriptedProgramControl : public ProgramControl {
public:
    void reopenBooks(std::function<void(const QString &databasePath)>) override { ++m_reopens; }
    int reopens() const { return m_reopens; }

private:
    int m_reopens = 0;
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
    // Only the next start fails.
    void failNextStart() { m_failNext = true; }

    const QStringList &openedUrls() const { return m_opened; }
    const QStringList &startedPrograms() const { return m_started; }
    QString lastOpened() const { return m_opened.isEmpty() ? QString() : m_opened.last(); }
    QString lastStarted() const { return m_started.isEmpty() ? QString() : m_started.last(); }

    void reset();

private:
    QStringList m_opened;
    QStringList m_started;
    bool m_startSucceeds = true;
    bool m_failNext = false;
};

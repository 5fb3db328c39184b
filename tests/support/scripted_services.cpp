#include "scripted_services.h"

void ScriptedPrompts::inform(const QString &caption, const QString &text, Icon icon) {
    m_messages.append({caption, text, icon, false, false});
}

std::optional<ScriptedPrompts::Reply> ScriptedPrompts::nextReply(const QString &text) {
    if (m_answers.empty()) {
        m_unanswered << text;
        return std::nullopt;
    }
    const Reply reply = m_answers.front();
    m_answers.pop_front();
    return reply;
}

bool ScriptedPrompts::confirm(const QString &caption, const QString &text, Icon icon) {
    const std::optional<Reply> reply = nextReply(text);
    if (reply == Reply::Yes || reply == Reply::No)
        m_unanswered << text + QStringLiteral(" (an OK/Cancel question answered Yes or No)");
    const bool answer = reply == Reply::OK;
    m_messages.append({caption, text, icon, true, answer});
    return answer;
}

Prompts::Answer ScriptedPrompts::ask(const QString &caption, const QString &text) {
    const std::optional<Reply> reply = nextReply(text);
    if (reply == Reply::OK)
        m_unanswered << text + QStringLiteral(" (a Yes/No/Cancel question answered OK)");
    const Answer answer = reply == Reply::Yes  ? Answer::Yes
                          : reply == Reply::No ? Answer::No
                                               : Answer::Cancel;
    m_messages.append({caption, text, Icon::Question, true, answer == Answer::Yes});
    return answer;
}

QString ScriptedPrompts::nextFile(const QString &caption, const QString &suggested) {
    m_fileDialogs << caption + QLatin1Char('|') + suggested;
    if (m_files.empty()) {
        m_unanswered << caption + QStringLiteral(" (a file dialog)");
        return {};
    }
    const QString path = m_files.front();
    m_files.pop_front();
    return path;
}

QString ScriptedPrompts::openFileName(const QString &caption, const QString &folder,
                                      const QString &) {
    return nextFile(caption, folder);
}

QString ScriptedPrompts::saveFileName(const QString &caption, const QString &suggestedPath,
                                      const QString &) {
    return nextFile(caption, suggestedPath);
}

bool ScriptedPrompts::takeMessage(Message *out) {
    if (m_checked >= m_messages.size())
        return false;
    *out = m_messages.at(m_checked++);
    return true;
}

QStringList ScriptedPrompts::takeUnanswered() {
    QStringList result;
    result.swap(m_unanswered);
    return result;
}

void ScriptedPrompts::reset() {
    m_messages.clear();
    m_checked = 0;
    m_answers.clear();
    m_files.clear();
    m_fileDialogs.clear();
    m_unanswered.clear();
}

QDateTime ScriptedClock::defaultNow() {
    return QDateTime(QDate(2024, 6, 15), QTime(10, 0, 0));
}

bool ScriptedShell::startProgram(const QString &program) {
    m_started << program;
    if (m_failNext) {
        m_failNext = false;
        return false;
    }
    return m_startSucceeds;
}

void ScriptedShell::reset() {
    m_opened.clear();
    m_started.clear();
    m_startSucceeds = true;
    m_failNext = false;
}

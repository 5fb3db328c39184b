#include "scripted_services.h"

void ScriptedPrompts::inform(const QString &caption, const QString &text, Icon icon) {
    m_messages.append({caption, text, icon, false, false});
}

bool ScriptedPrompts::confirm(const QString &caption, const QString &text, Icon icon) {
    bool answer = false;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    } else {
        m_unanswered << text;
    }
    m_messages.append({caption, text, icon, true, answer});
    return answer;
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
    m_unanswered.clear();
}

QDateTime ScriptedClock::defaultNow() {
    return QDateTime(QDate(2024, 6, 15), QTime(10, 0, 0));
}

bool ScriptedShell::startProgram(const QString &program) {
    m_started << program;
    return m_startSucceeds;
}

void ScriptedShell::reset() {
    m_opened.clear();
    m_started.clear();
    m_startSucceeds = true;
}

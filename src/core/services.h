#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Every message box, question and file dialog of the program goes through here, so
// tests can read what was said and answer the questions.
class Prompts {
public:
    enum class Icon { None, Information, Question, Warning, Error };
    enum class Answer { Yes, No, Cancel };
    virtual ~Prompts() = default;
    // A notice with one OK button.
    virtual void inform(const QString &caption, const QString &text, Icon icon) = 0;
    // A question with OK and Cancel; true for OK.
    virtual bool confirm(const QString &caption, const QString &text, Icon icon) = 0;
    // A question with Yes, No and Cancel ("数据已修改，是否保存？").
    virtual Answer ask(const QString &caption, const QString &text) = 0;
    // A file to read, or to write (the dialog asks before replacing one); an empty text
    // when the user cancels. filter is in Qt's "名称 (*.csv)" form.
    virtual QString openFileName(const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &suggestedPath,
                                 const QString &filter) = 0;
};

// Today and now, as the program sees them.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

// What the program asks of the desktop: open a web address, start another program.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void openUrl(const QString &url) = 0;
    virtual bool startProgram(const QString &program) = 0;
};

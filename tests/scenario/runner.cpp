#include "runner.h"

#include "actions.h"
#include "expectations.h"
#include "print_steps.h"
#include "script.h"
#include "selection.h"
#include "session.h"
#include "setup_steps.h"
#include "step_failure.h"

#include <QFile>
#include <QFileInfo>
#include <functional>
#include <limits>
#include <optional>

namespace {

using Handler = std::function<void(Session &, const QStringList &)>;

struct Command {
    const char *name; // one word, or "expect" and the expectation's word
    int minArgs;
    int maxArgs;
    bool selectorFirst; // the first argument is a selector, checked before the run
    Handler run;
};

constexpr int Many = std::numeric_limits<int>::max();

// Wraps an action on the widget named by the first argument.
template <typename F> Handler onTarget(F action) {
    return [action](Session &session, const QStringList &args) {
        action(session, resolve(session, args.at(0)), args.mid(1));
    };
}

const QList<Command> &commands() {
    using namespace Actions;
    static const QList<Command> table = {
        {"database", 1, 2, false, SetupSteps::database},
        {"sql", 1, 1, false, SetupSteps::sql},
        {"today", 1, 2, false, SetupSteps::today},
        {"skin", 1, 1, false, SetupSteps::skin},
        {"start", 0, 0, false, SetupSteps::start},
        {"login", 2, 2, false,
         [](Session &s, const QStringList &a) { login(s, a.at(0), a.at(1)); }},
        {"click", 1, 1, true,
         onTarget([](Session &s, const Target &t, const QStringList &) { click(s, t); })},
        {"menu", 2, 2, true,
         onTarget([](Session &s, const Target &t, const QStringList &a) { menu(s, t, a.at(0)); })},
        {"type", 2, 2, true,
         onTarget([](Session &s, const Target &t, const QStringList &a) { type(s, t, a.at(0)); })},
        {"key", 2, 2, true,
         onTarget([](Session &s, const Target &t, const QStringList &a) { key(s, t, a.at(0)); })},
        {"paste", 2, 2, true,
         onTarget([](Session &s, const Target &t, const QStringList &a) { paste(s, t, a.at(0)); })},
        {"choose", 2, 2, true, onTarget([](Session &s, const Target &t, const QStringList &a) {
             choose(s, t, a.at(0));
         })},
        {"date", 2, 2, true, onTarget([](Session &s, const Target &t, const QStringList &a) {
             setDate(s, t, a.at(0));
         })},
        {"cell", 3, 3, true, onTarget([](Session &s, const Target &t, const QStringList &a) {
             clickCell(s, t, a.at(0), a.at(1));
         })},
        {"edit", 4, 4, true, onTarget([](Session &s, const Target &t, const QStringList &a) {
             editCell(s, t, a.at(0), a.at(1), a.at(2));
         })},
        {"answer", 1, 2, false, SetupSteps::answer},
        {"write", 2, 3, false, SetupSteps::write},
        {"shell", 1, 1, false, SetupSteps::shell},
        {"wait", 1, 1, false, SetupSteps::wait},
        {"server", 1, 3, false, SetupSteps::server},
        {"printer", 1, 1, false, PrintSteps::printer},
        {"expect message", 1, 2, false, Expectations::message},
        {"expect message-containing", 1, 2, false, Expectations::messageContaining},
        {"expect same-file", 2, 2, false, Expectations::sameFile},
        {"expect window", 1, 1, false, Expectations::window},
        {"expect no-message", 0, 0, false, Expectations::noMessage},
        {"expect text", 2, 2, true, Expectations::text},
        {"expect visible", 1, 1, true, Expectations::visible},
        {"expect hidden", 1, 1, true, Expectations::hidden},
        {"expect checked", 1, 1, true, Expectations::checked},
        {"expect unchecked", 1, 1, true, Expectations::unchecked},
        {"expect focus", 1, 1, true, Expectations::focus},
        {"expect items", 1, Many, true, Expectations::items},
        {"expect caption", 1, 1, false, Expectations::caption},
        {"expect front", 1, 1, false, Expectations::front},
        {"expect highlighted", 0, Many, false, Expectations::highlighted},
        {"expect rows", 2, 2, true, Expectations::rows},
        {"expect cell", 4, 4, true, Expectations::cell},
        {"expect footer", 3, 3, true, Expectations::footer},
        {"expect columns", 1, Many, true, Expectations::columns},
        {"expect chart", 1, Many, true, Expectations::chart},
        {"expect points", 2, 2, true, Expectations::points},
        {"expect file", 1, 1, false, Expectations::file},
        {"expect no-file", 1, 1, false, Expectations::noFile},
        {"expect sql", 2, 2, false, Expectations::sql},
        {"expect opened", 1, 1, false, Expectations::opened},
        {"expect started", 1, 1, false, Expectations::started},
        {"expect closed", 0, 0, false, Expectations::closed},
        {"expect day", 3, 3, true, Expectations::day},
        {"expect requested", 1, Many, false, Expectations::requested},
        {"expect printed-pages", 1, 1, false, PrintSteps::printedPages},
        {"expect printed-text", 2, 2, false, PrintSteps::printedText},
        {"expect pdf-pages", 2, 2, false, PrintSteps::pdfPages},
    };
    return table;
}

struct Bound {
    const Command *command = nullptr;
    QStringList args;
};

// Finds the step's command and checks its words, so a misspelt step fails before the
// scenario has run half-way.
Bound bind(const ScriptStep &step) {
    QString name = step.words.at(0);
    int used = 1;
    if (name == QLatin1String("expect")) {
        if (step.words.size() < 2)
            fail(QStringLiteral("expected an expectation after expect, found none"));
        name += QLatin1Char(' ') + step.words.at(1);
        used = 2;
    }
    for (const Command &command : commands()) {
        if (name != QLatin1String(command.name))
            continue;
        const QStringList args = step.words.mid(used);
        if (args.size() < command.minArgs || args.size() > command.maxArgs) {
            const QString wanted =
                command.minArgs == command.maxArgs ? QString::number(command.minArgs)
                : command.maxArgs == Many
                    ? QStringLiteral("at least %1").arg(command.minArgs)
                    : QStringLiteral("%1 to %2").arg(command.minArgs).arg(command.maxArgs);
            fail(QStringLiteral("expected %1 word%2 after %3, found %4")
                     .arg(wanted, command.maxArgs == 1 ? QString() : QStringLiteral("s"), name)
                     .arg(args.size()));
        }
        if (command.selectorFirst)
            selectorFrom(args.at(0));
        return {&command, args};
    }
    fail(QStringLiteral("expected a known step, found %1").arg(quoteWord(name)));
}

} // namespace

ScenarioRunner::ScenarioRunner(QString installFolder, QTextStream &out)
    : m_install(std::move(installFolder)), m_out(out) {}

void ScenarioRunner::report(const QString &file, int line, const QString &message) {
    m_out << file << ':' << line << ": " << message << Qt::endl;
}

bool ScenarioRunner::run(const QStringList &files) {
    int passed = 0, failed = 0;
    for (const QString &file : files)
        ++(runFile(file) ? passed : failed);
    m_out << passed << " passed, " << failed << " failed" << Qt::endl;
    return failed == 0;
}

bool ScenarioRunner::runFile(const QString &file) {
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly)) {
        report(file, 0,
               QStringLiteral("expected a readable scenario file, found %1")
                   .arg(source.errorString()));
        return false;
    }
    QList<ScriptStep> steps;
    ScriptError syntax;
    if (!parseScript(QString::fromUtf8(source.readAll()), &steps, &syntax)) {
        report(file, syntax.line,
               QStringLiteral("expected a well-formed step, found %1").arg(syntax.message));
        return false;
    }
    QList<Bound> bound;
    for (const ScriptStep &step : steps) {
        try {
            bound << bind(step);
        } catch (const StepFailure &f) {
            report(file, step.line, f.message);
            return false;
        }
    }

    std::optional<Session> session;
    try {
        session.emplace(m_install, QFileInfo(file).absolutePath());
    } catch (const StepFailure &f) {
        report(file, steps.isEmpty() ? 0 : steps.first().line, f.message);
        return false;
    }
    for (qsizetype i = 0; i < steps.size(); ++i) {
        try {
            bound.at(i).command->run(*session, bound.at(i).args);
            // A question with no answer queued fails the step that raised it.
            const QStringList unanswered = session->prompts().takeUnanswered();
            if (!unanswered.isEmpty())
                fail(QStringLiteral("expected an answer queued for the question %1, found none")
                         .arg(quoteWord(unanswered.first())));
        } catch (const StepFailure &f) {
            report(file, steps.at(i).line, f.message);
            return false;
        } catch (const std::exception &e) {
            report(file, steps.at(i).line,
                   QStringLiteral("expected the step to finish, found an error: %1")
                       .arg(QString::fromLocal8Bit(e.what())));
            return false;
        }
    }
    return true;
}

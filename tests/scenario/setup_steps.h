#pragma once

#include <QStringList>

class Session;

// Steps that set the scene rather than act in the windows. args are the words after
// the step's name; each throws StepFailure on a problem.
namespace SetupSteps {

void database(Session &session, const QStringList &args);
void sql(Session &session, const QStringList &args);
void today(Session &session, const QStringList &args);
void skin(Session &session, const QStringList &args);
void start(Session &session, const QStringList &args);
void answer(Session &session, const QStringList &args);
void write(Session &session, const QStringList &args);
void shell(Session &session, const QStringList &args);
void wait(Session &session, const QStringList &args);
void server(Session &session, const QStringList &args);

} // namespace SetupSteps

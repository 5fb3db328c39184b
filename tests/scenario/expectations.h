#pragma once

#include <QString>
#include <QStringList>

class Session;

// The `expect ...` steps. Each throws StepFailure saying what was expected and what
// was found. args are the words after the expectation's name.
namespace Expectations {

void message(Session &session, const QStringList &args);
void noMessage(Session &session, const QStringList &args);
void text(Session &session, const QStringList &args);
void visible(Session &session, const QStringList &args);
void hidden(Session &session, const QStringList &args);
void checked(Session &session, const QStringList &args);
void unchecked(Session &session, const QStringList &args);
void focus(Session &session, const QStringList &args);
void items(Session &session, const QStringList &args);
void caption(Session &session, const QStringList &args);
void front(Session &session, const QStringList &args);
void highlighted(Session &session, const QStringList &args);
void rows(Session &session, const QStringList &args);
void cell(Session &session, const QStringList &args);
void footer(Session &session, const QStringList &args);
void columns(Session &session, const QStringList &args);
void chart(Session &session, const QStringList &args);
void points(Session &session, const QStringList &args);
void file(Session &session, const QStringList &args);
void sameFile(Session &session, const QStringList &args);
void window(Session &session, const QStringList &args);
void messageContaining(Session &session, const QStringList &args);
void noFile(Session &session, const QStringList &args);
void sql(Session &session, const QStringList &args);
void opened(Session &session, const QStringList &args);
void started(Session &session, const QStringList &args);
void closed(Session &session, const QStringList &args);
void day(Session &session, const QStringList &args);
void requested(Session &session, const QStringList &args);

} // namespace Expectations

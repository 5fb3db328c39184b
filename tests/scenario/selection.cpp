#include "selection.h"

#include "session.h"
#include "step_failure.h"

Selector selectorFrom(const QString &word) {
    Selector selector;
    QString error;
    if (!parseSelector(word, &selector, &error))
        fail(QStringLiteral("expected a selector, found %1").arg(error));
    return selector;
}

Target resolve(Session &session, const QString &word, Reach reach) {
    const Selector selector = selectorFrom(word);
    return findTarget(session.activeWindow(), session.programWindows(), selector, reach);
}

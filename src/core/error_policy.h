#pragma once

#include "store/db_error.h"

#include <QObject>
#include <QString>
#include <functional>
#include <utility>

class Prompts;

// How a handler's failure is dealt with. Every slot that can reach the database runs
// under one of these, so no exception travels through Qt's event loop (throwing through
// a slot is undefined there); the application's notify() catch is a last net only.
namespace ErrorPolicy {

// The general error box: the application's title as caption, the engine's own text.
void showGeneralError(Prompts &prompts, const QString &engineText);

// Runs the handler; an error ends it and is shown in the general error box. False when
// the handler failed.
bool run(Prompts &prompts, const std::function<void()> &handler);

// Runs the handler; an error ends it and nothing is said (the few handlers that are
// meant to fail silently).
bool quietly(const std::function<void()> &handler);

// Runs the handler; an error ends it and shows the page's own message under caption,
// with the engine's text on a line of its own below it.
bool withMessage(Prompts &prompts, const QString &caption, const QString &message,
                 const std::function<void()> &handler);

// The page's message followed by the engine's words, as withMessage() shows them.
QString messageWithReason(const QString &message, const QString &engineText);

// connect() for a handler that may fail: runs it under run() with the signal's arguments.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection connect(Sender *sender, Signal signal, QObject *receiver,
                                Prompts &prompts, Handler handler) {
    return QObject::connect(sender, signal, receiver,
                            [&prompts, handler = std::move(handler)](auto &&...args) {
                                run(prompts, [&] { handler(args...); });
                            });
}

} // namespace ErrorPolicy

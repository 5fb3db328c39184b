#pragma once

#include "store/db_error.h"

#include <QObject>
#include <QString>
#include <functional>
#include <tuple>
#include <type_traits>
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

namespace Detail {

template <typename F, typename Tuple, std::size_t... I>
constexpr bool invocableWith(std::index_sequence<I...>) {
    return std::is_invocable_v<F &, std::tuple_element_t<I, Tuple>...>;
}

// Calls f with as many of the leading arguments as it takes, as Qt does for a slot.
template <std::size_t N, typename F, typename Tuple> void callLeading(F &f, Tuple &args) {
    if constexpr (invocableWith<F, Tuple>(std::make_index_sequence<N>{})) {
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            f(std::get<I>(args)...);
        }
        (std::make_index_sequence<N>{});
    } else {
        static_assert(N > 0, "the handler cannot take the signal's arguments");
        if constexpr (N > 0)
            callLeading<N - 1>(f, args);
    }
}

template <typename Receiver, typename Handler>
auto bindHandler(Receiver *receiver, Handler handler) {
    if constexpr (std::is_member_function_pointer_v<Handler>)
        return [receiver,
                handler](auto &&...args) -> decltype(std::invoke(handler, receiver, args...)) {
            return std::invoke(handler, receiver, args...);
        };
    else
        return handler;
}

} // namespace Detail

// connect() for a handler that may fail (a member function or a lambda): runs it under
// run() with the signal's arguments it takes.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection connect(Sender *sender, Signal signal, Receiver *receiver, Prompts &prompts,
                                Handler handler) {
    return QObject::connect(sender, signal, receiver,
                            [&prompts, call = Detail::bindHandler(receiver, std::move(handler))](
                                auto &&...args) mutable {
                                auto leading = std::forward_as_tuple(args...);
                                run(prompts,
                                    [&] { Detail::callLeading<sizeof...(args)>(call, leading); });
                            });
}

} // namespace ErrorPolicy

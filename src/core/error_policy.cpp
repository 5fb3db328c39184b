#include "core/error_policy.h"

#include "core/captions.h"
#include "core/services.h"

#include <exception>

namespace ErrorPolicy {

namespace {

// Gives the failure's text, or nothing when the handler ran to its end.
std::optional<QString> attempt(const std::function<void()> &handler) {
    try {
        handler();
    } catch (const DbError &e) {
        return e.text();
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    }
    return std::nullopt;
}

} // namespace

void showGeneralError(Prompts &prompts, const QString &engineText) {
    prompts.inform(Captions::application(), engineText, Prompts::Icon::Error);
}

bool run(Prompts &prompts, const std::function<void()> &handler) {
    const std::optional<QString> failure = attempt(handler);
    if (failure)
        showGeneralError(prompts, *failure);
    return !failure;
}

bool quietly(const std::function<void()> &handler) {
    return !attempt(handler);
}

QString messageWithReason(const QString &message, const QString &engineText) {
    return engineText.isEmpty() ? message : message + QLatin1Char('\n') + engineText;
}

bool withMessage(Prompts &prompts, const QString &caption, const QString &message,
                 const std::function<void()> &handler) {
    const std::optional<QString> failure = attempt(handler);
    if (failure)
        prompts.inform(caption, messageWithReason(message, *failure), Prompts::Icon::Error);
    return !failure;
}

} // namespace ErrorPolicy

#pragma once

#include "core/captions.h"
#include "core/services.h"

// The questions every list page asks, in the program's own words.
namespace Questions {

// "是否确定删除？", with what is being deleted written behind it where a page shows that.
inline bool confirmDelete(Prompts &prompts, const QString &suffix = QString()) {
    return prompts.confirm(Captions::system(), QStringLiteral("是否确定删除？") + suffix,
                           Prompts::Icon::Question);
}

inline bool confirmSave(Prompts &prompts) {
    return prompts.confirm(Captions::system(), QStringLiteral("是否确定保存数据？"),
                           Prompts::Icon::Question);
}

// Leaving a list with changes not yet saved.
inline Prompts::Answer askSaveChanges(Prompts &prompts) {
    return prompts.ask(Captions::system(), QStringLiteral("数据已修改，是否保存？"));
}

} // namespace Questions

#pragma once

#include "core/services.h"

// The two questions every list page asks, in the program's own words.
namespace Questions {

inline const QString Caption = QStringLiteral("系统提示");

// "是否确定删除？", with what is being deleted written behind it where a page shows that.
inline bool confirmDelete(Prompts &prompts, const QString &suffix = QString()) {
    return prompts.confirm(Caption, QStringLiteral("是否确定删除？") + suffix,
                           Prompts::Icon::Question);
}

inline bool confirmSave(Prompts &prompts) {
    return prompts.confirm(Caption, QStringLiteral("是否确定保存数据？"), Prompts::Icon::Question);
}

} // namespace Questions

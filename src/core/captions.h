#pragma once

#include <QString>

// The captions of the program's message boxes, in one place.
namespace Captions {

// Notices and questions of the pages.
inline QString system() {
    return QStringLiteral("系统提示");
}
// The general error box and the notices the program gives in its own name.
inline QString application() {
    return QStringLiteral("Tallybee");
}

} // namespace Captions

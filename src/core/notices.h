#pragma once

#include "core/captions.h"
#include "core/services.h"

// Notices more than one page gives, in the program's own words.
namespace Notices {

inline const QString SumOutOfRange = QStringLiteral("金额合计超出范围");

// A sum beyond the currency range (amounts from a file written elsewhere): its figure is
// left empty and the rest of the page works.
inline void sumOutOfRange(Prompts &prompts) {
    prompts.inform(Captions::system(),
                   SumOutOfRange +
                       QStringLiteral("，相应的数字留空。请找出并改正金额特别大的记录。"),
                   Prompts::Icon::Warning);
}

} // namespace Notices

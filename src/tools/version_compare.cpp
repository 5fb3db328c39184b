#include "tools/version_compare.h"

namespace VersionCompare {

bool isNewer(const QString &answer, const QString &current) {
    // Case-sensitive comparison is by UTF-16 code unit, a prefix first.
    return QString::compare(current, answer, Qt::CaseSensitive) < 0;
}

} // namespace VersionCompare

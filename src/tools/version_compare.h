#pragma once

#include <QString>

// The version check's rule: the server's whole answer is compared with this program's
// version token as text, character by character by code value, a prefix sorting before
// the longer text. So "51" and "6" are newer than "50", "100" and "5" are not, and "50"
// followed by a line break is newer.
namespace VersionCompare {

// This program's version token.
inline const QString CurrentToken = QStringLiteral("50");

// True when answer sorts strictly after current.
bool isNewer(const QString &answer, const QString &current = CurrentToken);

} // namespace VersionCompare

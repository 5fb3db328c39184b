#pragma once

#include <Qt>

// The header role under which the list models give a column's field name: the name the
// select gives it, which code looks columns up by. The heading shown may differ (a page
// renames it), so columns are never found by their heading text.
inline constexpr int FieldNameRole = Qt::UserRole + 1;

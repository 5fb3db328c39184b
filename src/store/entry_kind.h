#pragma once

#include <QChar>
#include <QString>
#include <optional>

// Income or expense: of an entry (s_shouru.f_class) and of a category (s_fenlei.f_class),
// stored as the letters 'S' and 'Z'. The letters appear nowhere else in the code.
enum class EntryKind { Income, Expense };

inline QString entryKindLetter(EntryKind kind) {
    return kind == EntryKind::Income ? QStringLiteral("S") : QStringLiteral("Z");
}

inline std::optional<EntryKind> entryKindFromLetter(const QString &letter) {
    if (letter == QLatin1String("S"))
        return EntryKind::Income;
    if (letter == QLatin1String("Z"))
        return EntryKind::Expense;
    return std::nullopt;
}

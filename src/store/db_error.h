#pragma once

#include <QString>
#include <stdexcept>

// A statement the database refused, carrying the engine's own text.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString &engineText)
        : std::runtime_error(engineText.toStdString()), m_text(engineText) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

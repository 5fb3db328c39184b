#pragma once

#include <QString>
#include <stdexcept>

// A statement the database refused, carrying the text for the user (see engine_error.h)
// and the engine's primary result code, 0 when the error did not come from the engine.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString &text, int code = 0)
        : std::runtime_error(text.toStdString()), m_text(text), m_code(code) {}
    const QString &text() const { return m_text; }
    int code() const { return m_code; }

private:
    QString m_text;
    int m_code;
};

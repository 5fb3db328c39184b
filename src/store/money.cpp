#include "store/money.h"

#include <limits>

namespace {

// Digits of the whole and fractional parts of |raw|, fraction always four digits.
struct Split {
    bool negative;
    quint64 whole;
    quint64 fraction;
};

Split split(qint64 raw) {
    const bool negative = raw < 0;
    // Unsigned negation keeps the minimum value representable.
    const quint64 magnitude = negative ? quint64(0) - quint64(raw) : quint64(raw);
    return {negative, magnitude / Money::Scale, magnitude % Money::Scale};
}

QString fourDigits(quint64 fraction) {
    return QString::number(fraction).rightJustified(4, '0');
}

QString grouped(quint64 whole) {
    QString digits = QString::number(whole);
    for (int i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return digits;
}

// Two decimals, rounded half away from zero, as a currency picture shows them.
void toCents(const Split &s, quint64 &whole, quint64 &cents) {
    cents = (s.fraction + 50) / 100;
    whole = s.whole;
    if (cents == 100) {
        cents = 0;
        ++whole;
    }
}

} // namespace

Money Money::fromYuan(qint64 yuan) {
    return Money(yuan * Scale);
}

std::optional<Money> Money::fromColumn(const QVariant &value) {
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    return Money(value.toLongLong());
}

std::optional<Money> Money::parse(const QString &text, ParseError *error) {
    auto fail = [error](ParseError e) -> std::optional<Money> {
        if (error)
            *error = e;
        return std::nullopt;
    };
    if (error)
        *error = ParseError::None;
    if (text.isEmpty())
        return fail(ParseError::Empty);

    int pos = 0;
    bool negative = false;
    if (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')) {
        negative = text[0] == QLatin1Char('-');
        ++pos;
    }

    // Accumulate in unsigned 128-bit-safe steps: any digit past the range fails early.
    constexpr quint64 limit = quint64(std::numeric_limits<qint64>::max()) + 1;
    quint64 whole = 0;
    int wholeDigits = 0;
    bool overflow = false;
    while (pos < text.size() && text[pos].isDigit() && text[pos].unicode() < 128) {
        const quint64 digit = quint64(text[pos].unicode() - '0');
        if (whole > (limit / Scale - digit) / 10)
            overflow = true;
        else
            whole = whole * 10 + digit;
        ++wholeDigits;
        ++pos;
    }

    quint64 fraction = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    if (pos < text.size() && text[pos] == QLatin1Char('.')) {
        ++pos;
        while (pos < text.size() && text[pos].isDigit() && text[pos].unicode() < 128) {
            const int digit = text[pos].unicode() - '0';
            if (fractionDigits < 4)
                fraction = fraction * 10 + quint64(digit);
            else if (fractionDigits == 4)
                roundUp = digit >= 5;
            ++fractionDigits;
            ++pos;
        }
    }
    if (pos != text.size() || (wholeDigits == 0 && fractionDigits == 0))
        return fail(ParseError::NotANumber);
    if (overflow)
        return fail(ParseError::OutOfRange);

    for (int i = fractionDigits; i < 4; ++i)
        fraction *= 10;
    quint64 magnitude = whole * Scale + fraction + (roundUp ? 1 : 0);
    if (magnitude > limit - (negative ? 0 : 1))
        return fail(ParseError::OutOfRange);
    const qint64 raw = negative ? qint64(quint64(0) - magnitude) : qint64(magnitude);
    return Money(raw);
}

std::optional<Money> Money::parseTyped(const QString &text, ParseError *error) {
    ParseError why = ParseError::None;
    std::optional<Money> money = parse(text, &why);
    if ((money && !money->withinTypedLimit()) || why == ParseError::OutOfRange) {
        money.reset();
        why = ParseError::TooLarge;
    }
    if (error)
        *error = why;
    return money;
}

std::optional<Money> Money::fromSum(const QVariant &value, bool *outOfRange) {
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    if (value.metaType().id() == QMetaType::Double) {
        if (outOfRange)
            *outOfRange = true;
        return std::nullopt;
    }
    return Money(value.toLongLong());
}

QString Money::errorText(ParseError error) {
    switch (error) {
    case ParseError::None:
        return {};
    case ParseError::Empty:
        return QStringLiteral("金额不能为空");
    case ParseError::NotANumber:
        return QStringLiteral("金额不是一个数字");
    case ParseError::OutOfRange:
        return QStringLiteral("金额超出范围（±922337203685477.5807）");
    case ParseError::TooLarge:
        return QStringLiteral("金额太大：一笔金额最多为一千亿（100000000000）");
    }
    return {};
}

std::optional<Money> Money::sum(Money a, Money b) {
    qint64 result = 0;
    if (__builtin_add_overflow(a.m_raw, b.m_raw, &result))
        return std::nullopt;
    return Money(result);
}

std::optional<Money> Money::difference(Money a, Money b) {
    qint64 result = 0;
    if (__builtin_sub_overflow(a.m_raw, b.m_raw, &result))
        return std::nullopt;
    return Money(result);
}

std::optional<Money> Money::sum(const std::optional<Money> &a, const std::optional<Money> &b) {
    return a && b ? sum(*a, *b) : std::nullopt;
}

std::optional<Money> Money::difference(const std::optional<Money> &a,
                                       const std::optional<Money> &b) {
    return a && b ? difference(*a, *b) : std::nullopt;
}

QString Money::toPlain() const {
    const Split s = split(m_raw);
    QString text = s.negative ? QStringLiteral("-") : QString();
    text += QString::number(s.whole);
    if (s.fraction) {
        QString digits = fourDigits(s.fraction);
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += QLatin1Char('.') + digits;
    }
    return text;
}

QString Money::toYuanPicture() const {
    quint64 whole, cents;
    const Split s = split(m_raw);
    toCents(s, whole, cents);
    QString text = s.negative && (whole || cents) ? QStringLiteral("-￥") : QStringLiteral("￥");
    // The picture "#.00" has no digit it must show before the point.
    if (whole)
        text += QString::number(whole);
    return text + QLatin1Char('.') + QString::number(cents).rightJustified(2, '0');
}

QString Money::toCurrency() const {
    quint64 whole, cents;
    const Split s = split(m_raw);
    toCents(s, whole, cents);
    QString text = s.negative && (whole || cents) ? QStringLiteral("-¥") : QStringLiteral("¥");
    return text + grouped(whole) + QLatin1Char('.') + QString::number(cents).rightJustified(2, '0');
}

#pragma once

#include <QString>
#include <QVariant>
#include <QtGlobal>
#include <optional>

// An amount of money held exactly, in ten-thousandths of a yuan (the range and
// precision of a currency column: four decimals, about +-922 trillion).
class Money {
public:
    static constexpr qint64 Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromRaw(qint64 tenThousandths) { return Money(tenThousandths); }
    static Money fromYuan(qint64 yuan);
    // A money column's value as read from the database; NULL gives nothing.
    static std::optional<Money> fromColumn(const QVariant &value);

    // Why a typed amount was refused.
    enum class ParseError { None, Empty, NotANumber, OutOfRange };

    // Parses what a person types: optional sign, digits, optional point and decimals
    // ("12", "12.5", ".5", "-3", "00"). More than four decimals are rounded half away
    // from zero. Blanks, letters and exponents are refused.
    static std::optional<Money> parse(const QString &text, ParseError *error = nullptr);
    static QString errorText(ParseError error);

    constexpr qint64 raw() const { return m_raw; }

    // Sums and differences that report an overflow instead of wrapping round: nothing
    // when the result leaves the currency range.
    static std::optional<Money> sum(Money a, Money b);
    static std::optional<Money> difference(Money a, Money b);
    // The sum of a column that may be empty: nothing when either side is nothing.
    static std::optional<Money> sum(const std::optional<Money> &a, const std::optional<Money> &b);
    static std::optional<Money> difference(const std::optional<Money> &a,
                                           const std::optional<Money> &b);
    double toDouble() const { return double(m_raw) / Scale; }

    // "1250.5", "0", "-2": no currency sign, no grouping, no trailing zeros.
    QString toPlain() const;
    // "￥12.50", "￥.50", "￥.00", "-￥2.00": the entry page's "￥#.00" picture.
    QString toYuanPicture() const;
    // "¥1,234.50", "-¥1,234.50": the grids' currency form as Chinese users write it.
    QString toCurrency() const;

    friend constexpr bool operator==(Money, Money) = default;
    friend constexpr auto operator<=>(Money, Money) = default;

private:
    constexpr explicit Money(qint64 raw) : m_raw(raw) {}
    qint64 m_raw = 0;
};

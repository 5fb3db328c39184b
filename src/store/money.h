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

    // The largest amount a person may type anywhere, either sign: 一千亿. Thousands of such
    // amounts still sum inside the currency range, so no household's totals can leave it.
    static constexpr qint64 TypedLimitYuan = 100'000'000'000;
    static constexpr Money typedLimit() { return Money(TypedLimitYuan * Scale); }
    bool withinTypedLimit() const {
        return m_raw >= -typedLimit().m_raw && m_raw <= typedLimit().m_raw;
    }

    // Why a typed amount was refused.
    enum class ParseError { None, Empty, NotANumber, OutOfRange, TooLarge };

    // Parses what a person types: optional sign, digits, optional point and decimals
    // ("12", "12.5", ".5", "-3", "00"). More than four decimals are rounded half away
    // from zero. Blanks, letters and exponents are refused.
    static std::optional<Money> parse(const QString &text, ParseError *error = nullptr);
    // parse() for what a person types into a field: beyond the typed limit is TooLarge.
    static std::optional<Money> parseTyped(const QString &text, ParseError *error = nullptr);
    static QString errorText(ParseError error);

    constexpr qint64 raw() const { return m_raw; }

    // Sums and differences that report an overflow instead of wrapping round: nothing
    // when the result leaves the currency range.
    static std::optional<Money> sum(Money a, Money b);
    static std::optional<Money> difference(Money a, Money b);
    // A sum read from the database's money_sum(): nothing for no rows; a sum out of the
    // currency range (a real number) gives nothing too and sets *outOfRange.
    static std::optional<Money> fromSum(const QVariant &value, bool *outOfRange);
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

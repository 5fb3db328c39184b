#include "bills/bill_fields.h"

#include <QRegularExpression>

namespace BillFields {

QString text(const QString &raw) {
    const QString trimmed = raw.trimmed();
    return trimmed == QLatin1String("/") ? QString() : trimmed;
}

std::optional<Money> amount(const QString &raw, QString *error) {
    QString cleaned;
    cleaned.reserve(raw.size());
    for (const QChar c : raw) {
        if (c.isSpace() || c == u',' || c == u'¥' || c == u'￥')
            continue;
        cleaned += c;
    }
    if (cleaned.endsWith(u'元'))
        cleaned.chop(1);
    Money::ParseError parseError = Money::ParseError::None;
    // A bill's amount is held to the same limit as a typed one, so no import can bring in
    // sums that overflow.
    const std::optional<Money> money = Money::parseTyped(cleaned, &parseError);
    if (!money && error) {
        *error = raw.trimmed().isEmpty() || parseError == Money::ParseError::TooLarge
                     ? Money::errorText(parseError)
                     : QStringLiteral("金额无法识别：%1").arg(raw.trimmed());
    }
    return money;
}

QDateTime fromExcelSerial(double serial) {
    if (!(serial >= 1 && serial < 2958466)) // up to 9999-12-31
        return {};
    const qint64 days = qint64(serial);
    const qint64 seconds = qRound64((serial - double(days)) * 86400);
    const QDate day = QDate(1899, 12, 30).addDays(days);
    return QDateTime(day, QTime(0, 0)).addSecs(seconds);
}

QDateTime dateTime(const QString &raw) {
    static const QRegularExpression separated(QStringLiteral(
        R"(^(\d{4})[-/.年](\d{1,2})[-/.月](\d{1,2})日?(?:[ T]+(\d{1,2}):(\d{2})(?::(\d{2}))?)?$)"));
    static const QRegularExpression compact(
        QStringLiteral(R"(^(\d{4})(\d{2})(\d{2})(?:[ T]*(\d{2}):?(\d{2}):?(\d{2}))?$)"));
    static const QRegularExpression serial(QStringLiteral(R"(^\d{1,7}(\.\d+)?$)"));

    const QString trimmed = raw.simplified();
    QRegularExpressionMatch match = separated.match(trimmed);
    if (!match.hasMatch())
        match = compact.match(trimmed);
    if (match.hasMatch()) {
        const QDate day(match.captured(1).toInt(), match.captured(2).toInt(),
                        match.captured(3).toInt());
        const QTime time(match.captured(4).toInt(), match.captured(5).toInt(),
                         match.captured(6).toInt());
        if (!day.isValid() || !time.isValid())
            return {};
        return QDateTime(day, time);
    }
    if (serial.match(trimmed).hasMatch())
        return fromExcelSerial(trimmed.toDouble());
    return {};
}

} // namespace BillFields

#include "sync/ServerFields.h"

#include "storage/Money.h"
#include "storage/Timestamp.h"

#include <QJsonValue>

#include <cmath>
#include <limits>

namespace {

using Presence = ServerFields::Presence;

template <typename T>
ServerFields::Reading<T> present(T value)
{
    return {Presence::Present, std::move(value)};
}

template <typename T>
ServerFields::Reading<T> wrongKind()
{
    return {Presence::WrongKind, T{}};
}

// A JSON number without a fraction within [lowest, highest]. Qt keeps the
// integers of a document exact, so the double is only looked at for the
// fraction.
std::optional<qint64> integral(const QJsonValue& value, qint64 lowest, qint64 highest)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::trunc(number) != number || number < double(lowest)
        || number > double(highest))
        return std::nullopt;
    const qint64 whole = value.toInteger(std::numeric_limits<qint64>::min());
    if (whole < lowest || whole > highest)
        return std::nullopt;
    return whole;
}

} // namespace

ServerFields::Reading<QString> ServerFields::text(QLatin1String key) const
{
    const QJsonValue value = m_record.value(key);
    if (value.isUndefined())
        return {};
    if (value.isNull())
        return present(QString());
    if (!value.isString())
        return wrongKind<QString>();
    return present(value.toString());
}

ServerFields::Reading<int> ServerFields::whole(QLatin1String key) const
{
    const QJsonValue value = m_record.value(key);
    if (value.isUndefined())
        return {};
    const std::optional<qint64> number =
        integral(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    if (!number)
        return wrongKind<int>();
    return present(int(*number));
}

ServerFields::Reading<qint64> ServerFields::amount(QLatin1String key) const
{
    const QJsonValue value = m_record.value(key);
    if (value.isUndefined())
        return {};
    const std::optional<qint64> number = integral(value, -kMaxAmountMinorUnits, kMaxAmountMinorUnits);
    if (!number)
        return wrongKind<qint64>();
    return present(*number);
}

ServerFields::Reading<bool> ServerFields::flag(QLatin1String key) const
{
    const QJsonValue value = m_record.value(key);
    if (value.isUndefined())
        return {};
    if (value.isBool())
        return present(value.toBool());
    const double number = value.toDouble();
    if (!value.isDouble() || !std::isfinite(number) || std::trunc(number) != number)
        return wrongKind<bool>();
    return present(number != 0);
}

ServerFields::Reading<QDate> ServerFields::date(QLatin1String key) const
{
    const Reading<QString> text = this->text(key);
    if (!text.isPresent())
        return {text.presence, QDate()};
    if (text.value.isEmpty())
        return present(QDate());
    const QDate date = parseServerDate(text.value);
    if (!date.isValid())
        return wrongKind<QDate>();
    return present(date);
}

ServerFields::Reading<QDateTime> ServerFields::timestamp(QLatin1String key) const
{
    const Reading<QString> text = this->text(key);
    if (!text.isPresent())
        return {text.presence, QDateTime()};
    if (text.value.isEmpty())
        return present(QDateTime());
    const QDateTime time = parseTimestamp(text.value);
    if (!time.isValid())
        return wrongKind<QDateTime>();
    return present(time);
}

QDate ServerFields::parseServerDate(const QString& text)
{
    if (text.isEmpty())
        return {};
    const QDate date = parseIsoDate(text);
    if (date.isValid())
        return date;
    // The calendar date as written, whatever offset the time names.
    return QDateTime::fromString(text, Qt::ISODateWithMs).date();
}

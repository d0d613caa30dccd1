#include "account/JsonFieldReader.h"

#include "storage/Timestamp.h"

#include <QJsonValue>

#include <cmath>
#include <limits>
#include <optional>

namespace TandAccount {

namespace {

using Presence = JsonFieldReader::Presence;

template <typename T>
JsonFieldReader::Reading<T> present(T value)
{
    return {Presence::Present, std::move(value)};
}

template <typename T>
JsonFieldReader::Reading<T> wrongKind()
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

JsonFieldReader::JsonFieldReader(const QJsonObject& object)
    : m_object(object)
{
}

bool JsonFieldReader::has(QLatin1StringView key) const
{
    return m_object.contains(key);
}

JsonFieldReader::Reading<QString> JsonFieldReader::readText(QLatin1StringView key) const
{
    const QJsonValue value = m_object.value(key);
    if (value.isUndefined())
        return {};
    if (value.isNull())
        return present(QString());
    if (!value.isString())
        return wrongKind<QString>();
    return present(value.toString());
}

JsonFieldReader::Reading<qint64> JsonFieldReader::readInteger(QLatin1StringView key, qint64 lowest,
                                                              qint64 highest) const
{
    const QJsonValue value = m_object.value(key);
    if (value.isUndefined())
        return {};
    const std::optional<qint64> number = integral(value, lowest, highest);
    if (!number)
        return wrongKind<qint64>();
    return present(*number);
}

JsonFieldReader::Reading<int> JsonFieldReader::readInt(QLatin1StringView key) const
{
    const Reading<qint64> number =
        readInteger(key, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    return {number.presence, int(number.value)};
}

JsonFieldReader::Reading<bool> JsonFieldReader::readBoolean(QLatin1StringView key) const
{
    const QJsonValue value = m_object.value(key);
    if (value.isUndefined())
        return {};
    if (!value.isBool())
        return wrongKind<bool>();
    return present(value.toBool());
}

JsonFieldReader::Reading<bool> JsonFieldReader::readFlag(QLatin1StringView key) const
{
    const Reading<bool> boolean = readBoolean(key);
    if (boolean.presence != Presence::WrongKind)
        return boolean;
    const Reading<qint64> number =
        readInteger(key, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max());
    return {number.presence, number.value != 0};
}

JsonFieldReader::Reading<QDateTime> JsonFieldReader::readDateTime(QLatin1StringView key) const
{
    return readParsedText(key, [](const QString& text) { return parseTimestamp(text); });
}

QString JsonFieldReader::text(QLatin1StringView key) const
{
    return readText(key).value;
}

int JsonFieldReader::integer(QLatin1StringView key) const
{
    return readInt(key).value;
}

bool JsonFieldReader::boolean(QLatin1StringView key) const
{
    return readBoolean(key).value;
}

QDateTime JsonFieldReader::dateTime(QLatin1StringView key) const
{
    return readDateTime(key).value;
}

QJsonObject JsonFieldReader::object(QLatin1StringView key) const
{
    return m_object.value(key).toObject();
}

} // namespace TandAccount

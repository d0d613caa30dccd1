#include "account/JsonFieldReader.h"

#include "storage/Timestamp.h"

namespace TandAccount {

JsonFieldReader::JsonFieldReader(const QJsonObject& object)
    : m_object(object)
{
}

bool JsonFieldReader::has(QLatin1StringView key) const
{
    return m_object.contains(key);
}

QString JsonFieldReader::text(QLatin1StringView key) const
{
    return m_object.value(key).toString();
}

int JsonFieldReader::integer(QLatin1StringView key) const
{
    return m_object.value(key).toInt();
}

bool JsonFieldReader::boolean(QLatin1StringView key) const
{
    return m_object.value(key).toBool();
}

QDateTime JsonFieldReader::dateTime(QLatin1StringView key) const
{
    const QString value = text(key);
    return value.isEmpty() ? QDateTime() : parseTimestamp(value);
}

QJsonObject JsonFieldReader::object(QLatin1StringView key) const
{
    return m_object.value(key).toObject();
}

} // namespace TandAccount

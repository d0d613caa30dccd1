#pragma once

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QLatin1String>
#include <QList>
#include <QString>

namespace TandAccount {

// Reads the fields of a JSON object that a service sent, by one forgiving
// rule for every record: a missing key, null or a value of another type gives
// the field's empty value, so a record read from a malformed answer is empty
// rather than wrong. Nothing is validated here; a caller that needs a field
// (an id for a URL, say) checks it itself.
class JsonFieldReader
{
public:
    explicit JsonFieldReader(const QJsonObject& object);

    bool has(QLatin1StringView key) const;
    QString text(QLatin1StringView key) const;
    // A whole number that fits in an int; 0 for a fraction, text or anything else.
    int integer(QLatin1StringView key) const;
    // Only a JSON boolean: the text "true" reads as false.
    bool boolean(QLatin1StringView key) const;
    // ISO 8601, with or without milliseconds; a time without an offset is
    // UTC, as the service keeps its times. Invalid for anything unreadable.
    QDateTime dateTime(QLatin1StringView key) const;
    QJsonObject object(QLatin1StringView key) const;

    // Each element of the array read by `read`, in order; a non-object
    // element reads as an empty object. Anything but an array gives no records.
    template <typename Record>
    QList<Record> list(QLatin1StringView key, Record (*read)(const QJsonObject&)) const
    {
        const QJsonArray array = m_object.value(key).toArray();
        QList<Record> records;
        records.reserve(array.size());
        for (const QJsonValue& element : array)
            records.append(read(element.toObject()));
        return records;
    }

private:
    QJsonObject m_object;
};

} // namespace TandAccount

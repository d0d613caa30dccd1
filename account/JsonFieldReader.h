#pragma once

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QLatin1String>
#include <QList>
#include <QString>

#include <utility>

namespace TandAccount {

// Reads the fields of a JSON object that a service sent. Each reading says
// whether the key was absent, held a value of another kind than asked for,
// or held a usable one, so that a caller can keep what it has for an absent
// key and refuse a record it could only take by guessing. The forgiving
// accessors beside them give the field's empty value for a missing key, null
// or a value of another kind, so that a record read from a malformed answer
// is empty rather than wrong. Nothing is validated here; a caller that needs
// a field (an id for a URL, say) checks it itself.
class JsonFieldReader
{
public:
    enum class Presence { Absent, WrongKind, Present };

    // The value only when present; the empty value of its type otherwise.
    template <typename T>
    struct Reading
    {
        Presence presence = Presence::Absent;
        T value{};

        bool isPresent() const { return presence == Presence::Present; }
    };

    explicit JsonFieldReader(const QJsonObject& object);

    bool has(QLatin1StringView key) const;

    // A string; null reads as an empty text.
    Reading<QString> readText(QLatin1StringView key) const;
    // A number without a fraction within [lowest, highest].
    Reading<qint64> readInteger(QLatin1StringView key, qint64 lowest, qint64 highest) const;
    // A number without a fraction that fits in an int.
    Reading<int> readInt(QLatin1StringView key) const;
    // true or false.
    Reading<bool> readBoolean(QLatin1StringView key) const;
    // true or false, or a number without a fraction (1 and 0): true when not 0.
    Reading<bool> readFlag(QLatin1StringView key) const;
    // ISO 8601, with or without milliseconds; a time without an offset is
    // UTC, as the services keep their times. An empty text or null is no
    // time (an invalid one); any other text that does not read is of the
    // wrong kind.
    Reading<QDateTime> readDateTime(QLatin1StringView key) const;
    // A text read by `parse`, which gives an invalid value for what it cannot
    // read: an empty text or null is present as the invalid value, a text
    // `parse` cannot read is of the wrong kind.
    template <typename Parse>
    auto readParsedText(QLatin1StringView key, Parse parse) const -> Reading<decltype(parse(QString()))>;

    QString text(QLatin1StringView key) const;
    // A whole number that fits in an int; 0 for a fraction, text or anything else.
    int integer(QLatin1StringView key) const;
    // Only a JSON boolean: the text "true" reads as false.
    bool boolean(QLatin1StringView key) const;
    // As readDateTime; invalid for anything unreadable.
    QDateTime dateTime(QLatin1StringView key) const;
    QJsonObject object(QLatin1StringView key) const;

    // Each element of the array read by `read`, in order; a non-object
    // element reads as an empty object. For an answer that is the list: a
    // missing key or anything but an array is no list at all, never an
    // empty one.
    template <typename Record>
    Reading<QList<Record>> readList(QLatin1StringView key, Record (*read)(const QJsonObject&)) const
    {
        const QJsonValue value = m_object.value(key);
        if (value.isUndefined())
            return {};
        if (!value.isArray())
            return {Presence::WrongKind, {}};
        const QJsonArray array = value.toArray();
        QList<Record> records;
        records.reserve(array.size());
        for (const QJsonValue& element : array)
            records.append(read(element.toObject()));
        return {Presence::Present, std::move(records)};
    }

    // As readList, but anything but an array gives no records.
    template <typename Record>
    QList<Record> list(QLatin1StringView key, Record (*read)(const QJsonObject&)) const
    {
        return readList(key, read).value;
    }

private:
    QJsonObject m_object;
};

template <typename Parse>
auto JsonFieldReader::readParsedText(QLatin1StringView key, Parse parse) const
    -> Reading<decltype(parse(QString()))>
{
    using Value = decltype(parse(QString()));
    const Reading<QString> text = readText(key);
    if (!text.isPresent())
        return {text.presence, Value()};
    if (text.value.isEmpty())
        return {Presence::Present, Value()};
    Value value = parse(text.value);
    if (!value.isValid())
        return {Presence::WrongKind, Value()};
    return {Presence::Present, std::move(value)};
}

} // namespace TandAccount

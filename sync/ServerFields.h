#pragma once

#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QLatin1String>
#include <QString>

// The keys of one record from the sync service, read as the store needs
// them. Each reading says whether the key was absent, held a value of another
// kind, or held a usable one, so that a caller can keep what it has for an
// absent key and refuse a record it could only store by guessing.
class ServerFields
{
public:
    enum class Presence { Absent, WrongKind, Present };

    template <typename T>
    struct Reading
    {
        Presence presence = Presence::Absent;
        T value{};

        bool isPresent() const { return presence == Presence::Present; }
    };

    explicit ServerFields(const QJsonObject& record)
        : m_record(record)
    {
    }

    bool contains(QLatin1String key) const { return m_record.contains(key); }

    // A string; null reads as an empty text.
    Reading<QString> text(QLatin1String key) const;
    // A number without a fraction, within int's range.
    Reading<int> whole(QLatin1String key) const;
    // A number of minor units without a fraction, within the amounts the
    // store keeps (see kMaxAmountMinorUnits).
    Reading<qint64> amount(QLatin1String key) const;
    // true or false, or a number (1 and 0): true when not 0.
    Reading<bool> flag(QLatin1String key) const;
    // A date as parseServerDate reads it; an empty text or null is no date
    // (an invalid one), any other text that does not read is of the wrong kind.
    Reading<QDate> date(QLatin1String key) const;
    // A time in one of the store's forms, UTC when it names no offset; an
    // empty text or null is no time, any other text that does not read is of
    // the wrong kind.
    Reading<QDateTime> timestamp(QLatin1String key) const;

    // "yyyy-MM-dd", or the date of an ISO date and time; an invalid date for
    // anything else.
    static QDate parseServerDate(const QString& text);

private:
    QJsonObject m_record;
};

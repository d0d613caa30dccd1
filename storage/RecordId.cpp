#include "storage/RecordId.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QUuid>

#include <array>

QString shortRecordId(const QString& id)
{
    // Whole up to a little beyond our own ids' 36 characters.
    constexpr qsizetype kWhole = 40;
    constexpr qsizetype kShown = 24;
    if (id.size() <= kWhole)
        return id;
    // Not half a character: a surrogate pair stays whole or goes.
    const qsizetype shown = id.at(kShown - 1).isHighSurrogate() ? kShown - 1 : kShown;
    return id.left(shown) + QChar(0x2026);
}

QString newRecordId() { return QUuid::createUuid().toString(QUuid::WithoutBraces); }

QString newOrderedRecordId()
{
    // The last time used and the counter within it; a clock that steps back
    // keeps the last time, so the order holds.
    static qint64 lastMilliseconds = 0;
    static quint16 counter = 0;
    qint64 milliseconds = QDateTime::currentMSecsSinceEpoch();
    if (milliseconds <= lastMilliseconds) {
        milliseconds = lastMilliseconds;
        if (++counter > 0x0FFF) {
            // 4096 ids in one millisecond: borrow the next one.
            milliseconds = ++lastMilliseconds;
            counter = 0;
        }
    } else {
        lastMilliseconds = milliseconds;
        counter = 0;
    }
    std::array<quint8, 16> bytes{};
    for (int i = 0; i < 6; ++i)
        bytes[i] = quint8(milliseconds >> (8 * (5 - i)));
    bytes[6] = quint8(0x70 | (counter >> 8)); // version 7
    bytes[7] = quint8(counter);
    const quint64 random = QRandomGenerator::global()->generate64();
    for (int i = 8; i < 16; ++i)
        bytes[i] = quint8(random >> (8 * (15 - i)));
    bytes[8] = quint8(0x80 | (bytes[8] & 0x3F)); // the RFC 4122 variant
    return QUuid::fromRfc4122(QByteArrayView(reinterpret_cast<const char*>(bytes.data()), 16))
        .toString(QUuid::WithoutBraces);
}

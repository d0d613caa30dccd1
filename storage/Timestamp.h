#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QString>

// Timestamps are stored in one form everywhere, UTC in Qt::ISODate
// ("2026-12-06T20:46:41Z"), so that their text order is their time order.
// Calendar dates are stored as "yyyy-MM-dd".

// The current UTC time to the whole second, as it will read back from the store.
QDateTime nowUtc();

// Empty for a null or invalid time.
QString toIsoUtc(const QDateTime& time);

// Reads the stored form, also with milliseconds or an offset, and SQLite's
// "yyyy-MM-dd HH:mm:ss" as UTC. Null for anything else.
QDateTime parseTimestamp(const QString& text);
// The same from UTF-8 bytes, as the database hands them out.
QDateTime parseTimestamp(QByteArrayView utf8);

// Empty for an invalid date.
QString toIsoDate(const QDate& date);

// Reads "yyyy-MM-dd"; an invalid date for anything else.
QDate parseIsoDate(const QString& text);
QDate parseIsoDate(QByteArrayView utf8);

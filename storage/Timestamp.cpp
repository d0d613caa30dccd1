#include "storage/Timestamp.h"

#include <optional>

namespace {

// Appends `value` as `count` decimal digits, zero-padded.
void appendDigits(QString& text, int value, int count)
{
    QChar digits[4];
    for (int i = count - 1; i >= 0; --i, value /= 10)
        digits[i] = QChar(u'0' + value % 10);
    text.append(digits, count);
}

// "yyyy-MM-dd" by hand: Qt formats it through printf, and an import writes
// a date and two times for each of up to a million rows. False for a year
// Qt writes in another form.
bool appendDate(QString& text, const QDate& date)
{
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    if (year < 0 || year > 9999)
        return false;
    appendDigits(text, year, 4);
    text.append(u'-');
    appendDigits(text, month, 2);
    text.append(u'-');
    appendDigits(text, day, 2);
    return true;
}

// The readers below take the stored text as UTF-16 or, straight from the
// database, as UTF-8 bytes: the forms they read by hand are plain ASCII.
char16_t at(QStringView text, qsizetype pos) { return text[pos].unicode(); }
char16_t at(QByteArrayView text, qsizetype pos) { return char16_t(uchar(text[pos])); }

// Reads `count` decimal digits at `pos`; -1 when any is not a digit.
template <typename View>
int readDigits(View text, qsizetype pos, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const char16_t c = at(text, pos + i);
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

template <typename View>
QDate readDate(View text)
{
    if (text.size() < 10 || at(text, 4) != u'-' || at(text, 7) != u'-')
        return {};
    const int year = readDigits(text, 0, 4);
    const int month = readDigits(text, 5, 2);
    const int day = readDigits(text, 8, 2);
    if (year < 0 || month < 0 || day < 0)
        return {};
    return QDate(year, month, day);
}

// The stored form "yyyy-MM-ddTHH:mm:ssZ" (or with a space for the "T");
// nullopt for any other form.
template <typename View>
std::optional<QDateTime> readStoredForm(View text)
{
    if (text.size() != 20 || at(text, 19) != u'Z' || (at(text, 10) != u'T' && at(text, 10) != u' ')
        || at(text, 13) != u':' || at(text, 16) != u':')
        return std::nullopt;
    const QDate date = readDate(text);
    const QTime time(readDigits(text, 11, 2), readDigits(text, 14, 2), readDigits(text, 17, 2));
    if (date.isValid() && time.isValid())
        return QDateTime(date, time, Qt::UTC);
    return QDateTime();
}

// "yyyy-MM-ddTHH:mm:ss" with or without milliseconds, or a space for the
// "T", and no zone: a UTC time. It is read as one directly: made as a local
// time first, a stamp in the hour a clock change skips would be moved or lost.
// nullopt for a text that names a zone or has another shape.
std::optional<QDateTime> readZonelessForm(QStringView text)
{
    if (text.size() < 19 || (text[10] != u'T' && text[10] != u' '))
        return std::nullopt;
    const QStringView clock = text.mid(11);
    if (clock.endsWith(u'Z') || clock.contains(u'+') || clock.contains(u'-'))
        return std::nullopt;
    const QDate date = readDate(text);
    const QTime time = QTime::fromString(clock.toString(), Qt::ISODateWithMs);
    if (date.isValid() && time.isValid())
        return QDateTime(date, time, Qt::UTC);
    return QDateTime();
}

} // namespace

QDateTime nowUtc()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return now.addMSecs(-now.time().msec());
}

QString toIsoUtc(const QDateTime& time)
{
    if (!time.isValid())
        return {};
    const QDateTime utc = time.toUTC();
    QString text;
    text.reserve(20);
    if (!appendDate(text, utc.date()))
        return utc.toString(Qt::ISODate);
    const QTime clock = utc.time();
    text.append(u'T');
    appendDigits(text, clock.hour(), 2);
    text.append(u':');
    appendDigits(text, clock.minute(), 2);
    text.append(u':');
    appendDigits(text, clock.second(), 2);
    text.append(u'Z');
    return text;
}

QDateTime parseTimestamp(const QString& text)
{
    // Registers read thousands of rows: the stored form is read by hand and
    // only unusual forms go through Qt's general parser.
    const QStringView view(text);
    if (const std::optional<QDateTime> stored = readStoredForm(view))
        return *stored;
    if (const std::optional<QDateTime> zoneless = readZonelessForm(view))
        return *zoneless;
    QDateTime parsed = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!parsed.isValid())
        return {};
    if (parsed.timeSpec() == Qt::LocalTime)
        parsed.setTimeSpec(Qt::UTC);
    return parsed.toUTC();
}

QDateTime parseTimestamp(QByteArrayView utf8)
{
    if (const std::optional<QDateTime> stored = readStoredForm(utf8))
        return *stored;
    return parseTimestamp(QString::fromUtf8(utf8));
}

QString toIsoDate(const QDate& date)
{
    if (!date.isValid())
        return {};
    QString text;
    text.reserve(10);
    return appendDate(text, date) ? text : date.toString(Qt::ISODate);
}

QDate parseIsoDate(const QString& text)
{
    if (text.size() != 10)
        return {};
    return readDate(QStringView(text));
}

QDate parseIsoDate(QByteArrayView utf8)
{
    if (utf8.size() != 10)
        return {};
    return readDate(utf8);
}

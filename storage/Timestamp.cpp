#include "storage/Timestamp.h"


namespace {

// Reads `count` decimal digits at `pos`; -1 when any is not a digit.
int readDigits(QStringView text, qsizetype pos, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const QChar c = text[pos + i];
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

QDate readDate(QStringView text)
{
    if (text.size() < 10 || text[4] != u'-' || text[7] != u'-')
        return {};
    const int year = readDigits(text, 0, 4);
    const int month = readDigits(text, 5, 2);
    const int day = readDigits(text, 8, 2);
    if (year < 0 || month < 0 || day < 0)
        return {};
    return QDate(year, month, day);
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
    return time.toUTC().toString(Qt::ISODate);
}

QDateTime parseTimestamp(const QString& text)
{
    // Registers read thousands of rows: the stored form is read by hand and
    // only unusual forms go through Qt's general parser.
    const QStringView view(text);
    if (view.size() == 20 && view[19] == u'Z' && (view[10] == u'T' || view[10] == u' ') && view[13] == u':'
        && view[16] == u':') {
        const QDate date = readDate(view);
        const int hour = readDigits(view, 11, 2);
        const int minute = readDigits(view, 14, 2);
        const int second = readDigits(view, 17, 2);
        const QTime time(hour, minute, second);
        if (date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
        return {};
    }
    if (view.size() == 19 && view[10] == u' ') {
        QDateTime sqlite = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!sqlite.isValid())
            return {};
        sqlite.setTimeSpec(Qt::UTC);
        return sqlite;
    }
    QDateTime parsed = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!parsed.isValid())
        return {};
    if (parsed.timeSpec() == Qt::LocalTime)
        parsed.setTimeSpec(Qt::UTC);
    return parsed.toUTC();
}

QString toIsoDate(const QDate& date)
{
    if (!date.isValid())
        return {};
    return date.toString(Qt::ISODate);
}

QDate parseIsoDate(const QString& text)
{
    if (text.size() != 10)
        return {};
    return readDate(text);
}

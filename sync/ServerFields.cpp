#include "sync/ServerFields.h"

#include "storage/Money.h"
#include "storage/Timestamp.h"

#include <QDateTime>

namespace serverfields {

Reading<qint64> amount(const TandAccount::JsonFieldReader& fields, QLatin1StringView key)
{
    return fields.readInteger(key, -kMaxAmountMinorUnits, kMaxAmountMinorUnits);
}

Reading<QDate> date(const TandAccount::JsonFieldReader& fields, QLatin1StringView key)
{
    return fields.readParsedText(key, parseServerDate);
}

QDate parseServerDate(const QString& text)
{
    if (text.isEmpty())
        return {};
    const QDate date = parseIsoDate(text);
    if (date.isValid())
        return date;
    // The calendar date as written, whatever offset the time names.
    return QDateTime::fromString(text, Qt::ISODateWithMs).date();
}

} // namespace serverfields

#pragma once

#include "account/JsonFieldReader.h"

#include <QDate>
#include <QLatin1String>
#include <QString>

// The readings of the sync service's records that follow the store's own
// rules, over the shared JSON reader.
namespace serverfields {

using Presence = TandAccount::JsonFieldReader::Presence;
template <typename T>
using Reading = TandAccount::JsonFieldReader::Reading<T>;

// A number of minor units without a fraction, within the amounts the store
// keeps (see kMaxAmountMinorUnits).
Reading<qint64> amount(const TandAccount::JsonFieldReader& fields, QLatin1StringView key);
// A date as parseServerDate reads it; an empty text or null is no date (an
// invalid one), any other text that does not read is of the wrong kind.
Reading<QDate> date(const TandAccount::JsonFieldReader& fields, QLatin1StringView key);

// "yyyy-MM-dd", or the date of an ISO date and time; an invalid date for
// anything else.
QDate parseServerDate(const QString& text);

} // namespace serverfields

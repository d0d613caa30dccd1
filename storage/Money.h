#pragma once

#include "storage/Enums.h"

#include <QString>

#include <optional>

// Money is a signed 64-bit count of the currency's smallest unit (cents, or
// whole yen). Texts beyond this many minor units either way are unreadable
// rather than wrapped into a wrong number.
inline constexpr qint64 kMaxAmountMinorUnits = 1'000'000'000'000'000LL;

// 2 for every supported currency but JPY, which has none.
int currencyDecimals(Currency currency);
// The minor units in one whole unit: 100, or 1 for JPY.
qint64 currencyScale(Currency currency);
QString currencySymbol(Currency currency);

// "1,234.56" / "-1,234.56" (JPY "1,234"): English grouping, no symbol.
QString formatAmount(qint64 amount, Currency currency = Currency::USD);
// "$1,234.56" / "-$1,234.56".
QString formatMoney(qint64 amount, Currency currency = Currency::USD);

// Lenient reading of what a user or a file wrote: drops the currency symbol
// and group commas; a text without a readable number gives 0.
qint64 parseMoney(const QString& text, Currency currency = Currency::USD);

// Strict reading of an amount typed into a field: optional sign, digits with
// optional group commas and decimal point. With `autoDecimal`, digits typed
// without a point count as minor units ("1234" is 12.34). Empty optional for
// anything unreadable or out of range.
std::optional<qint64> parseAmountDigits(const QString& text, Currency currency, bool autoDecimal);

// The process-wide "typed digits are cents" flag, from the preference
// "amountAutoDecimal".
void setAmountAutoDecimal(bool on);
bool amountAutoDecimal();

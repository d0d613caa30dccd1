#pragma once

#include "storage/Enums.h"

#include <QString>

#include <limits>
#include <optional>

// Money is a signed 64-bit count of the currency's smallest unit (cents, or
// whole yen). Texts beyond this many minor units either way are unreadable
// rather than wrapped into a wrong number.
inline constexpr qint64 kMaxAmountMinorUnits = 1'000'000'000'000'000LL;

// Balances and totals add up any number of amounts, so they can pass the
// range of 64 bits although each amount stays within kMaxAmountMinorUnits
// (9,224 amounts of 10^15 do). They are held at ±kMaxBalance when they do,
// never wrapped into a wrong number of the other sign.
inline constexpr qint64 kMaxBalance = std::numeric_limits<qint64>::max();

// An exact sum of amounts (128 bits), read out held within ±kMaxBalance.
class MoneySum
{
public:
    MoneySum() = default;
    explicit MoneySum(qint64 start)
        : m_sum(start)
    {
    }

    MoneySum& operator+=(qint64 amount)
    {
        m_sum += amount;
        return *this;
    }
    MoneySum& operator-=(qint64 amount)
    {
        m_sum -= amount;
        return *this;
    }
    MoneySum& operator+=(const MoneySum& other)
    {
        m_sum += other.m_sum;
        return *this;
    }

    // Whether the exact sum is a balance a qint64 holds (±kMaxBalance).
    bool fits() const { return m_sum >= -kMaxBalance && m_sum <= kMaxBalance; }
    // The sum, held at ±kMaxBalance beyond that.
    qint64 value() const
    {
        return m_sum > kMaxBalance ? kMaxBalance : m_sum < -kMaxBalance ? -kMaxBalance : qint64(m_sum);
    }

    // The sum of the two columns of splitSumSql().
    static MoneySum fromSplit(qint64 high, qint64 low);

private:
    __int128 m_sum = 0;
};

// a + b, held within ±kMaxBalance.
qint64 saturatingAdd(qint64 a, qint64 b);

// SQLite's SUM stops with "integer overflow" as soon as its running sum
// leaves 64 bits, whatever the final total. This gives two sums of an integer
// expression instead, of its quotient and its remainder by 10^9, which
// cannot overflow on fewer than 10^9 rows; MoneySum::fromSplit adds them up
// exactly. With an alias the columns are named "<alias>_high" and
// "<alias>_low", so an outer query can sum them again.
QString splitSumSql(const QString& expression, const QString& alias = {});

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

// An amount as bank files write it; the CSV and QIF imports both read theirs
// with it. "(12.50)" is negative, and a "-" inside the parentheses turns it
// back; a leading "+" or "-" gives the sign; currency symbols ($ € £ ¥ ¢) and
// blanks are ignored. Of "." and ",", the later one is the decimal point
// when both occur; a lone mark is the decimal point unless exactly three
// digits follow it ("1,234" is 1234, "12,5" is 12.50) or it occurs more than
// once ("1,234,567"). A first group of "0" is never a thousands group: "0.125"
// is an eighth. Thousands groups hold three digits after a first of one to
// three. Zeros beyond the currency's decimals are dropped ("12.00" is 12 yen);
// a non-zero digit there makes the text unreadable, never rounded, since an
// import would change the amount without a word ("12.50" in yen, "0.125" in
// dollars): `beyondDecimals`, when given, then says so. Anything else, and
// amounts beyond kMaxAmountMinorUnits, is unreadable: no value, never 0.
std::optional<qint64> readImportAmount(QStringView text, Currency currency, bool* beyondDecimals = nullptr);

// Text typed into an amount field, read as far as it goes.
struct TypedAmount
{
    enum class State {
        Amount,     // minorUnits holds what the text says
        Incomplete, // no amount yet, but typing on can make one ("-", "1,234,5")
        Unreadable, // no typing on makes an amount of it
    };
    State state = State::Unreadable;
    qint64 minorUnits = 0;
};

// Strict reading of an amount typed into a field: an optional sign and
// digits, with "." and "," as the decimal point and group separator.
// - Both marks: the last one is the decimal point; the other may only group
//   the digits before it ("1.234,50" and "1,234.50" are both 1234.50).
// - One mark repeated: it groups ("1,234,567").
// - One mark once: the decimal point, unless it is not the locale's decimal
//   point (`localeDecimal`) and more digits follow it than the currency has
//   decimals; then it groups. So in English "12,50" is 12.50 and "1,234" is
//   1234; where the locale writes "," "1.234" is 1234 and "1,234" is refused.
// Groups hold three digits, the first one to three. More fraction digits than
// the currency has are refused, never rounded. With `autoDecimal`, plain
// digits count as minor units ("1234" is 12.34); a mark makes them whole units.
// Amounts beyond kMaxAmountMinorUnits are unreadable.
TypedAmount readTypedAmount(QStringView text, Currency currency, bool autoDecimal, QChar localeDecimal);

// The process-wide "typed digits are cents" flag, from the preference
// "amountAutoDecimal".
void setAmountAutoDecimal(bool on);
bool amountAutoDecimal();

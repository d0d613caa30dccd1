#include "storage/Money.h"

#include <QList>

#include <algorithm>

namespace {

bool g_amountAutoDecimal = false;

constexpr qint64 kSplitSumDivisor = 1'000'000'000;

// Reads "123", "1,234.5", ".5" as an unsigned count of minor units. Commas
// are only allowed before the point. Extra fraction digits are rounded half
// away from zero; with `beyondDecimals`, a text with a non-zero one is
// refused instead, and *beyondDecimals says so when that is all that is
// wrong with it.
std::optional<qint64> parseUnsignedDecimal(QStringView text, int decimals, bool* beyondDecimals = nullptr)
{
    qint64 whole = 0;
    qint64 fraction = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    bool extraDigit = false;
    bool sawDigit = false;
    bool inFraction = false;
    const qint64 limitWhole = kMaxAmountMinorUnits;

    for (const QChar c : text) {
        if (c == u'.') {
            if (inFraction)
                return std::nullopt;
            inFraction = true;
            continue;
        }
        if (c == u',' && !inFraction)
            continue;
        if (c < u'0' || c > u'9')
            return std::nullopt;
        sawDigit = true;
        const int digit = c.unicode() - u'0';
        if (!inFraction) {
            whole = whole * 10 + digit;
            if (whole > limitWhole)
                return std::nullopt;
        } else if (fractionDigits < decimals) {
            fraction = fraction * 10 + digit;
            ++fractionDigits;
        } else {
            extraDigit = extraDigit || digit != 0;
            if (fractionDigits == decimals) {
                roundUp = digit >= 5;
                ++fractionDigits; // later digits cannot change a half-away rounding
            }
        }
    }
    if (!sawDigit)
        return std::nullopt;

    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    for (int i = std::min(fractionDigits, decimals); i < decimals; ++i)
        fraction *= 10;

    if (whole > kMaxAmountMinorUnits / scale)
        return std::nullopt;
    if (beyondDecimals && extraDigit) {
        *beyondDecimals = true;
        return std::nullopt;
    }
    const qint64 total = whole * scale + fraction + (roundUp ? 1 : 0);
    if (total > kMaxAmountMinorUnits)
        return std::nullopt;
    return total;
}

// Splits an optional leading sign off; returns true for a minus.
bool takeSign(QStringView& text)
{
    if (text.startsWith(u'-')) {
        text = text.mid(1).trimmed();
        return true;
    }
    if (text.startsWith(u'+'))
        text = text.mid(1).trimmed();
    return false;
}

bool isAmountCharacter(QChar c) { return (c >= u'0' && c <= u'9') || c == u'.' || c == u','; }

QChar otherMark(QChar mark) { return mark == u'.' ? u',' : u'.'; }

// The index of the decimal point in unsigned amount text, or -1 when every
// mark in it groups digits.
qsizetype decimalPointIndex(QStringView text, int decimals, QChar localeDecimal)
{
    const qsizetype last = std::max(text.lastIndexOf(u'.'), text.lastIndexOf(u','));
    if (last < 0)
        return -1;
    const QChar mark = text[last];
    if (text.contains(otherMark(mark)))
        return last;
    if (text.count(mark) > 1)
        return -1;
    // More digits than the currency has decimals can only be a group: the
    // fraction would be refused. The locale's own decimal point never groups:
    // a German "1,234" is refused, not read as a thousand times what was meant.
    const qsizetype digitsAfter = text.size() - last - 1;
    return mark != localeDecimal && digitsAfter > decimals ? -1 : last;
}

// Groups of three digits after a first of one to three that does not start
// with 0 ("0,500" is no grouped number: it would read as 500). A last group
// still short at the end of the text may yet be typed in full.
TypedAmount::State readGroups(QStringView whole, QChar group, bool endsText)
{
    if (!whole.contains(group))
        return TypedAmount::State::Amount;
    const QList<QStringView> groups = whole.split(group);
    if (groups.first().isEmpty() || groups.first().size() > 3 || groups.first().startsWith(u'0'))
        return TypedAmount::State::Unreadable;
    for (qsizetype i = 1; i < groups.size(); ++i) {
        const qsizetype size = groups[i].size();
        if (size == 3)
            continue;
        const bool open = endsText && i == groups.size() - 1 && size < 3;
        return open ? TypedAmount::State::Incomplete : TypedAmount::State::Unreadable;
    }
    return TypedAmount::State::Amount;
}

QString groupThousands(quint64 value)
{
    QString digits = QString::number(value);
    for (qsizetype pos = digits.size() - 3; pos > 0; pos -= 3)
        digits.insert(pos, u',');
    return digits;
}

QString formatMagnitude(qint64 amount, Currency currency)
{
    // The magnitude of the most negative value does not fit a qint64.
    const quint64 magnitude = amount < 0 ? quint64(0) - quint64(amount) : quint64(amount);
    const int decimals = currencyDecimals(currency);
    if (decimals == 0)
        return groupThousands(magnitude);
    const quint64 scale = quint64(currencyScale(currency));
    return groupThousands(magnitude / scale) + u'.'
        + QString::number(magnitude % scale).rightJustified(decimals, u'0');
}

} // namespace

int currencyDecimals(Currency currency) { return currency == Currency::JPY ? 0 : 2; }

qint64 currencyScale(Currency currency) { return currency == Currency::JPY ? 1 : 100; }

QString currencySymbol(Currency currency)
{
    switch (currency) {
    case Currency::EUR:
        return QStringLiteral("€");
    case Currency::GBP:
        return QStringLiteral("£");
    case Currency::JPY:
        return QStringLiteral("¥");
    case Currency::USD:
    case Currency::CAD:
    case Currency::AUD:
        break;
    }
    return QStringLiteral("$");
}

QString formatAmount(qint64 amount, Currency currency)
{
    const QString text = formatMagnitude(amount, currency);
    return amount < 0 ? u'-' + text : text;
}

QString formatMoney(qint64 amount, Currency currency)
{
    const QString text = currencySymbol(currency) + formatMagnitude(amount, currency);
    return amount < 0 ? u'-' + text : text;
}

qint64 parseMoney(const QString& text, Currency currency)
{
    QString cleaned = text;
    cleaned.remove(currencySymbol(currency));
    cleaned.remove(u',');
    QStringView view = QStringView(cleaned).trimmed();
    if (view.isEmpty())
        return 0;
    const bool negative = takeSign(view);
    const std::optional<qint64> value = parseUnsignedDecimal(view, currencyDecimals(currency));
    if (!value)
        return 0;
    return negative ? -*value : *value;
}

std::optional<qint64> readImportAmount(QStringView text, Currency currency, bool* beyondDecimals)
{
    bool extraDigits = false;
    if (beyondDecimals)
        *beyondDecimals = false;
    QStringView trimmed = text.trimmed();
    bool negative = false;
    if (trimmed.size() >= 2 && trimmed.startsWith(u'(') && trimmed.endsWith(u')')) {
        negative = true;
        trimmed = trimmed.mid(1, trimmed.size() - 2);
    }
    static const QString kIgnored = QStringLiteral("$€£¥¢");
    QString cleaned;
    cleaned.reserve(trimmed.size());
    for (const QChar c : trimmed) {
        if (!c.isSpace() && !kIgnored.contains(c))
            cleaned.append(c);
    }
    QStringView rest(cleaned);
    if (rest.startsWith(u'+'))
        rest = rest.mid(1);
    else if (rest.startsWith(u'-')) {
        rest = rest.mid(1);
        negative = !negative;
    }
    if (rest.isEmpty() || !std::all_of(rest.begin(), rest.end(), isAmountCharacter))
        return std::nullopt;

    const qsizetype lastDot = rest.lastIndexOf(u'.');
    const qsizetype lastComma = rest.lastIndexOf(u',');
    qsizetype point = std::max(lastDot, lastComma);
    if (point >= 0 && (lastDot < 0 || lastComma < 0)) {
        // One kind of mark only: a thousands group when it repeats, or when
        // three digits follow it and the digits before it could start a group.
        const QChar mark = rest[point];
        const bool groups = rest.count(mark) > 1
            || (point > 0 && rest.size() - point - 1 == 3 && !rest.startsWith(u'0'));
        if (groups)
            point = -1;
    }
    const QStringView whole = point >= 0 ? rest.left(point) : rest;
    const QStringView fraction = point >= 0 ? rest.mid(point + 1) : QStringView();
    const QChar group = point >= 0 ? otherMark(rest[point]) : rest.contains(u'.') ? u'.' : u',';
    if ((point >= 0 && whole.contains(rest[point])) || fraction.contains(u'.') || fraction.contains(u','))
        return std::nullopt;
    if (readGroups(whole, group, false) != TypedAmount::State::Amount)
        return std::nullopt;

    QString digits = whole.toString().remove(group);
    if (point >= 0)
        digits.append(u'.').append(fraction);
    const std::optional<qint64> value = parseUnsignedDecimal(digits, currencyDecimals(currency), &extraDigits);
    if (!value) {
        if (beyondDecimals)
            *beyondDecimals = extraDigits;
        return std::nullopt;
    }
    return negative ? -*value : *value;
}

TypedAmount readTypedAmount(QStringView text, Currency currency, bool autoDecimal, QChar localeDecimal)
{
    using State = TypedAmount::State;
    QStringView rest = text.trimmed();
    if (rest.isEmpty())
        return {};
    const bool negative = takeSign(rest);
    if (rest.isEmpty())
        return {State::Incomplete};
    if (!std::all_of(rest.begin(), rest.end(), isAmountCharacter))
        return {};

    const int decimals = currencyDecimals(currency);
    const qsizetype point = decimalPointIndex(rest, decimals, localeDecimal);
    const QStringView whole = point >= 0 ? rest.left(point) : rest;
    const QStringView fraction = point >= 0 ? rest.mid(point + 1) : QStringView();
    const QChar group = point >= 0 ? otherMark(rest[point]) : rest.contains(u'.') ? u'.' : u',';
    if (point >= 0 && whole.contains(rest[point]))
        return {};
    // Extra fraction digits would be rounded away unseen.
    if (fraction.size() > decimals)
        return {};
    const State groups = readGroups(whole, group, point < 0);
    if (groups != State::Amount)
        return {groups};

    QString digits = whole.toString().remove(group);
    if (digits.isEmpty() && fraction.isEmpty()) // ".", the start of ".5"
        return {decimals > 0 ? State::Incomplete : State::Unreadable};
    // Digits with a group mark are whole units: nobody groups cents.
    const bool typedAsMinorUnits = autoDecimal && decimals > 0 && point < 0 && !whole.contains(group);
    if (point >= 0)
        digits.append(u'.').append(fraction);
    const std::optional<qint64> value = parseUnsignedDecimal(digits, typedAsMinorUnits ? 0 : decimals);
    if (!value)
        return {};
    return {State::Amount, negative ? -*value : *value};
}

void setAmountAutoDecimal(bool on) { g_amountAutoDecimal = on; }

bool amountAutoDecimal() { return g_amountAutoDecimal; }

MoneySum MoneySum::fromSplit(qint64 high, qint64 low)
{
    MoneySum sum;
    sum.m_sum = __int128(high) * kSplitSumDivisor + low;
    return sum;
}

qint64 saturatingAdd(qint64 a, qint64 b)
{
    MoneySum sum(a);
    sum += b;
    return sum.value();
}

QString splitSumSql(const QString& expression, const QString& alias)
{
    const auto named = [&alias](const char* part) {
        return alias.isEmpty() ? QString() : QStringLiteral(" AS %1_%2").arg(alias, QLatin1String(part));
    };
    return QStringLiteral("SUM((%1) / %2)%3, SUM((%1) % %2)%4")
        .arg(expression, QString::number(kSplitSumDivisor), named("high"), named("low"));
}

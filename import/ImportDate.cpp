#include "import/ImportDate.h"

#include "import/DateFormat.h"

#include <QList>

#include <algorithm>
#include <optional>

namespace {

constexpr int kTwoDigitYearPivot = 70;

bool isSeparator(QChar c) { return c == u'/' || c == u'-' || c == u'.'; }

bool allDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The three numbers of a numeric date, as written: runs of digits parted by
// one and the same separator.
std::optional<QList<QStringView>> numericParts(QStringView text)
{
    text = text.trimmed();
    const auto separator = std::find_if(text.begin(), text.end(), isSeparator);
    if (separator == text.end())
        return std::nullopt;
    const QList<QStringView> parts = text.split(*separator);
    if (parts.size() != 3 || !std::all_of(parts.begin(), parts.end(), allDigits))
        return std::nullopt;
    return parts;
}

} // namespace

bool isImportYear(int year) { return year >= kFirstImportYear && year <= kLastImportYear; }

QDate withinImportYears(const QDate& date) { return date.isValid() && isImportYear(date.year()) ? date : QDate(); }

int expandTwoDigitYear(int year)
{
    if (year < 0 || year > 99)
        return year;
    return year + (year < kTwoDigitYearPivot ? 2000 : 1900);
}

QDate readNumericDate(QStringView text, DateOrder order)
{
    const std::optional<QList<QStringView>> parts = numericParts(text);
    if (!parts)
        return {};
    const QStringView a = parts->at(0);
    const QStringView b = parts->at(1);
    const QStringView c = parts->at(2);
    if (a.size() == 4)
        return b.size() <= 2 && c.size() <= 2 ? withinImportYears(QDate(a.toInt(), b.toInt(), c.toInt())) : QDate();
    if (a.size() > 2 || b.size() > 2 || (c.size() != 2 && c.size() != 4))
        return {};
    const int year = c.size() == 2 ? expandTwoDigitYear(c.toInt()) : c.toInt();
    return withinImportYears(order == DateOrder::DayFirst ? QDate(year, b.toInt(), a.toInt())
                                                          : QDate(year, a.toInt(), b.toInt()));
}

QDate readDateAuto(QStringView text, DateOrder order)
{
    text = text.trimmed();
    if (text.size() == 8 && allDigits(text))
        return withinImportYears(QDate(text.left(4).toInt(), text.mid(4, 2).toInt(), text.right(2).toInt()));
    const QDate numeric = readNumericDate(text, order);
    if (numeric.isValid())
        return numeric;
    static const DateFormat longMonth(QStringLiteral("MMMM d, yyyy"));
    static const DateFormat shortMonth(QStringLiteral("MMM d, yyyy"));
    const QDate named = longMonth.read(text);
    return withinImportYears(named.isValid() ? named : shortMonth.read(text));
}

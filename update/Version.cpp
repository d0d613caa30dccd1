#include "update/Version.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <tuple>

namespace TandUpdate {

Version Version::parse(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() > 3)
        return {};
    std::array<int, 3> numbers{0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        // toInt takes a sign and surrounding blanks; a version part is digits only.
        const QString& part = parts.at(i);
        const bool digitsOnly = !part.isEmpty() && std::all_of(part.cbegin(), part.cend(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
        bool ok = false;
        const int number = digitsOnly ? part.toInt(&ok, 10) : 0;
        if (!ok)
            return {};
        numbers[static_cast<size_t>(i)] = number;
    }
    return {numbers[0], numbers[1], numbers[2]};
}

bool operator<(const Version& left, const Version& right)
{
    return std::tie(left.major, left.minor, left.patch) < std::tie(right.major, right.minor, right.patch);
}

bool operator==(const Version& left, const Version& right)
{
    return std::tie(left.major, left.minor, left.patch) == std::tie(right.major, right.minor, right.patch);
}

} // namespace TandUpdate

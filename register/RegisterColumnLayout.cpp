#include "register/RegisterColumnLayout.h"

#include <algorithm>

namespace {

// Splits `total` in proportion to the weights. Rounding the running sums
// rather than each part makes the parts add up to exactly `total`, and no
// part exceeds its weight while `total` does not exceed theirs.
QList<int> splitByWeight(int total, const QList<qint64>& weights)
{
    qint64 weightTotal = 0;
    for (const qint64 weight : weights)
        weightTotal += weight;
    QList<int> parts;
    qint64 weightSoFar = 0;
    int givenSoFar = 0;
    for (const qint64 weight : weights) {
        weightSoFar += weight;
        const int upToHere = weightTotal > 0 ? int(total * weightSoFar / weightTotal) : 0;
        parts.append(upToHere - givenSoFar);
        givenSoFar = upToHere;
    }
    return parts;
}

} // namespace

RegisterColumnLayout::RegisterColumnLayout(const QList<Column>& columns)
    : m_columns(columns)
{
}

QList<int> RegisterColumnLayout::widths(int available) const
{
    QList<int> widths(m_columns.size(), 0);
    QList<qsizetype> shared;
    QList<qsizetype> others;
    int othersTotal = 0;
    bool sharesRemembered = true;
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        const Column& column = m_columns.at(i);
        if (column.hidden)
            continue;
        if (column.share > 0) {
            shared.append(i);
            sharesRemembered = sharesRemembered && column.remembered > 0;
        } else {
            others.append(i);
            widths[i] = std::max(column.remembered > 0 ? column.remembered : column.preferred, column.minimum);
            othersTotal += widths[i];
        }
    }

    // Too narrow for the shared columns at their minimums: the others give
    // up what they have above theirs, each in proportion to that excess.
    int sharedMinimum = 0;
    for (const qsizetype i : std::as_const(shared))
        sharedMinimum += m_columns.at(i).minimum;
    QList<qint64> excess;
    qint64 excessTotal = 0;
    for (const qsizetype i : std::as_const(others)) {
        excess.append(widths[i] - m_columns.at(i).minimum);
        excessTotal += excess.last();
    }
    const int shortfall = int(std::min<qint64>(sharedMinimum - (available - othersTotal), excessTotal));
    if (shortfall > 0) {
        const QList<int> given = splitByWeight(shortfall, excess);
        for (qsizetype k = 0; k < others.size(); ++k)
            widths[others.at(k)] -= given.at(k);
        othersTotal -= shortfall;
    }

    // The spare width by shares; a column whose part would fall below its
    // minimum gets the minimum, and the rest is shared again by the others.
    int spare = available - othersTotal;
    const auto weights = [&] {
        QList<qint64> result;
        for (const qsizetype i : std::as_const(shared))
            result.append(sharesRemembered ? m_columns.at(i).remembered : m_columns.at(i).share);
        return result;
    };
    for (bool pinned = true; pinned && !shared.isEmpty();) {
        pinned = false;
        const QList<int> parts = splitByWeight(spare, weights());
        for (qsizetype k = 0; k < shared.size() && !pinned; ++k) {
            const int minimum = m_columns.at(shared.at(k)).minimum;
            if (parts.at(k) < minimum) {
                widths[shared.at(k)] = minimum;
                spare -= minimum;
                shared.removeAt(k);
                pinned = true;
            }
        }
        if (!pinned) {
            for (qsizetype k = 0; k < shared.size(); ++k)
                widths[shared.at(k)] = parts.at(k);
        }
    }
    return widths;
}

int RegisterColumnLayout::minimumWidth() const
{
    int total = 0;
    for (const Column& column : m_columns) {
        if (!column.hidden)
            total += column.minimum;
    }
    return total;
}

#include "register/SplitLines.h"

#include "storage/Money.h"

#include <cstdlib>

namespace {

// A total beyond what the store reads cannot become the transaction's amount.
bool storable(qint64 amount) { return std::llabs(amount) <= kMaxAmountMinorUnits; }

} // namespace

bool SplitLines::Row::isEmpty() const
{
    return category == CategoryChoices::Match::One && categoryId.isEmpty() && memo.trimmed().isEmpty()
        && amount == 0;
}

SplitLines::SplitLines(qint64 amount, bool deposit)
    : m_amount(amount)
    , m_deposit(amount != 0 ? amount > 0 : deposit)
    , m_followTotal(amount == 0)
{
}

QList<int> SplitLines::lineRows() const
{
    QList<int> result;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (!m_rows.at(i).isEmpty())
            result.append(i);
    }
    return result;
}

qint64 SplitLines::total() const
{
    qint64 sum = 0;
    for (const Row& row : m_rows)
        sum += row.amount;
    return sum;
}

qint64 SplitLines::typedAmount() const { return m_followTotal ? total() : typedFromStored(m_amount); }

bool SplitLines::canAccept() const
{
    if (lineCount() == 0)
        return true;
    return remainder() == 0 && storable(total());
}

bool SplitLines::canSetAmountToTotal() const
{
    return remainder() != 0 && lineCount() > 0 && storable(total());
}

void SplitLines::setAmountToTotal()
{
    if (canSetAmountToTotal())
        m_amount = storedFromTyped(total());
}

int SplitLines::firstUnclearCategory() const
{
    for (int i : lineRows()) {
        if (m_rows.at(i).category != CategoryChoices::Match::One)
            return i;
    }
    return -1;
}

qint64 SplitLines::amount() const
{
    if (m_followTotal && lineCount() > 0)
        return storedFromTyped(total());
    return m_amount;
}

QList<SplitLine> SplitLines::lines() const
{
    QList<SplitLine> result;
    for (int i : lineRows()) {
        const Row& row = m_rows.at(i);
        SplitLine line;
        line.category_id = row.categoryId;
        line.memo = row.memo.trimmed();
        line.amount = storedFromTyped(row.amount);
        result.append(line);
    }
    return result;
}
